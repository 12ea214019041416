// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmevent.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <functional>
#include <vector>

/// The one store of alarm events while the program runs: the model behind the alarm list.
/// The file is written from it and the due scan reads it; nothing else keeps a copy.
class AlarmListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit AlarmListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const AlarmEvent& at(int row) const { return m_events[static_cast<size_t>(row)]; }
    const std::vector<AlarmEvent>& events() const { return m_events; }
    bool isEmpty() const { return m_events.empty(); }

    void append(AlarmEvent event);
    void setField(int row, int column, const QString& value);
    /// The program's own change of a check box; the user's goes through setData.
    void setEnabled(int row, bool enabled);
    void removeAt(int row);
    void clear();
    void replaceAll(std::vector<AlarmEvent> events);
    /// Reorders the rows; lessThan receives two rows.
    void sortRows(const std::function<bool(const AlarmEvent&, const AlarmEvent&)>& lessThan);

    void setHeaderCaption(int column, const QString& caption);
    QString headerCaption(int column) const { return m_captions.value(column); }
    /// Header picture of the "PT" column; a null icon shows none.
    void setPlayTimesHeaderIcon(const QIcon& icon);
    /// The pictures that rows refer to by image index.
    void setImages(const QList<QIcon>& images) { m_images = images; }
    const QList<QIcon>& images() const { return m_images; }

signals:
    /// The user ticked or cleared a row's check box.
    void enabledChangedByUser(int row);

private:
    std::vector<AlarmEvent> m_events;
    QStringList m_captions;
    QIcon m_playTimesHeaderIcon;
    QList<QIcon> m_images;
};
