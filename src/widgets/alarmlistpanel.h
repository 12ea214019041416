// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class AlarmListModel;
class Dialogs;
class QPushButton;
class QToolButton;
class QTreeView;

/// The alarm list and the command buttons under it. The list shows the model it is given; the
/// buttons only announce their clicks.
class AlarmListPanel : public QWidget
{
    Q_OBJECT

public:
    AlarmListPanel(AlarmListModel& alarms, Dialogs& dialogs, QWidget* parent = nullptr);

    /// A row is selected and the list has kept the focus since.
    bool itemSelected() const { return ItemSelected; }
    void forgetSelection() { ItemSelected = false; }
    void clearSelection();
    int selectedRow() const;
    /// The selected row for Copy and Delete; without a selection in the list, a beep and -1.
    int rowToActOn();
    /// Removes a row; when the view moves the selection on from it, no row is left chosen.
    void removeRow(int row);
    void scrollToRow(int row);

    bool isEditing() const;
    void setEditing(bool editing);
    /// Delete, Clear and Copy.
    void setCommandsEnabled(bool enabled);
    /// Presses Clear, as Esc does, when it can be pressed.
    void pressClear();
    bool alarmsDisabled() const;
    /// Presses "Disabled all alarm events" so that it ends in the given state.
    void pressDisabledAll(bool disabled);
    void showAlarmsDisabled(bool disabled);

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    QFont listFont() const;
    void setListFont(const QFont& font);

signals:
    void loadClicked();
    void saveClicked();
    void editClicked();
    void copyClicked();
    void deleteClicked();
    void clearClicked();
    void disabledAllClicked();
    void columnClicked(int column);
    void rowDoubleClicked();
    /// The user selected a row or left none selected.
    void selectionChangedByUser(bool selected);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void layOutControls();
    void connectControls();
    void lvMainSelectionChanged();
    void lvMainExit();

    AlarmListModel& m_alarms;
    Dialogs& m_dialogs;
    QTreeView* lvMain = nullptr;
    QToolButton* sbLoad = nullptr;
    QToolButton* btnSave = nullptr;
    QPushButton* btnEdit = nullptr;
    QToolButton* btnCopy = nullptr;
    QToolButton* btnDelete = nullptr;
    QPushButton* btnClearAll = nullptr;
    QToolButton* btnDisabledAll = nullptr;
    bool ItemSelected = false;
    /// The program is removing a row: selection changes are the view's, not the user's.
    bool m_removingRow = false;
};
