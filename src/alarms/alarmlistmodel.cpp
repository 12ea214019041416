// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmlistmodel.h"

#include <algorithm>

namespace {
// Laying out a huge message for the row's size froze the window: the list shows the start of the
// first line, while the row keeps the whole text.
QString messageListText(const QString& message)
{
    constexpr qsizetype shownLength = 1000;
    const QStringView head = QStringView(message).left(shownLength);
    const auto lineEnd = std::find_if(head.begin(), head.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    return head.first(lineEnd - head.begin()).toString();
}

// The sort reads and writes the English captions with their arrows; only what is shown is translated.
QString shownCaption(const QString& caption)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("AlarmListModel", "PT"), QT_TRANSLATE_NOOP("AlarmListModel", "Date - Time"),
        QT_TRANSLATE_NOOP("AlarmListModel", "Schedule"), QT_TRANSLATE_NOOP("AlarmListModel", "Message")};
    for (const char* name : names) {
        const QLatin1String english(name);
        if (caption.startsWith(english))
            return AlarmListModel::tr(name) + caption.mid(english.size());
    }
    return caption;
}
} // namespace

AlarmListModel::AlarmListModel(QObject* parent)
    : QAbstractTableModel(parent)
    , m_captions{QStringLiteral("PT"), QStringLiteral("Date - Time"), QStringLiteral("Schedule"),
                 QStringLiteral("Message")}
{}

int AlarmListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_events.size());
}

int AlarmListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ListedColumnCount;
}

QVariant AlarmListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const AlarmEvent& event = at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == ColMessage)
            return messageListText(event.message);
        return event.field(index.column());
    case Qt::CheckStateRole:
        if (index.column() == ColPlayTimes)
            return event.enabled ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::DecorationRole:
        if (index.column() == ColPlayTimes && event.imageIndex >= 0 && event.imageIndex < m_images.size())
            return m_images.at(event.imageIndex);
        break;
    default:
        break;
    }
    return {};
}

bool AlarmListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != ColPlayTimes || role != Qt::CheckStateRole)
        return false;
    const bool enabled = value.toInt() == Qt::Checked;
    if (at(index.row()).enabled == enabled)
        return true;
    setEnabled(index.row(), enabled);
    emit enabledChangedByUser(index.row());
    return true;
}

Qt::ItemFlags AlarmListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == ColPlayTimes)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant AlarmListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ListedColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return shownCaption(m_captions.at(section));
    if (role == Qt::DecorationRole && section == ColPlayTimes && !m_playTimesHeaderIcon.isNull())
        return m_playTimesHeaderIcon;
    return {};
}

void AlarmListModel::append(AlarmEvent event)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_events.push_back(std::move(event));
    endInsertRows();
}

void AlarmListModel::setField(int row, int column, const QString& value)
{
    m_events[static_cast<size_t>(row)].setField(column, value);
    if (column >= ListedColumnCount)
        return;
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void AlarmListModel::setEnabled(int row, bool enabled)
{
    m_events[static_cast<size_t>(row)].enabled = enabled;
    const QModelIndex changed = index(row, ColPlayTimes);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
}

void AlarmListModel::removeAt(int row)
{
    beginRemoveRows({}, row, row);
    m_events.erase(m_events.begin() + row);
    endRemoveRows();
}

void AlarmListModel::clear()
{
    replaceAll({});
}

void AlarmListModel::replaceAll(std::vector<AlarmEvent> events)
{
    beginResetModel();
    m_events = std::move(events);
    endResetModel();
}

void AlarmListModel::sortRows(const std::function<bool(const AlarmEvent&, const AlarmEvent&)>& lessThan)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<size_t> order(m_events.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return lessThan(m_events[a], m_events[b]); });
    std::vector<AlarmEvent> sorted;
    sorted.reserve(m_events.size());
    std::vector<int> newRowOf(m_events.size());
    for (size_t newRow = 0; newRow < order.size(); ++newRow) {
        newRowOf[order[newRow]] = static_cast<int>(newRow);
        sorted.push_back(std::move(m_events[order[newRow]]));
    }
    m_events = std::move(sorted);
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before)
        after.append(index(newRowOf[static_cast<size_t>(old.row())], old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void AlarmListModel::setHeaderCaption(int column, const QString& caption)
{
    Q_ASSERT(column < ListedColumnCount);
    m_captions[column] = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void AlarmListModel::setPlayTimesHeaderIcon(const QIcon& icon)
{
    m_playTimesHeaderIcon = icon;
    emit headerDataChanged(Qt::Horizontal, ColPlayTimes, ColPlayTimes);
}
