// The keyword controls of the main window: the search button, the keyword list and the add panel.
// The main window builds them at their places (app/KeywordControls); the keyword commands work them.
#pragma once

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
namespace ui { class ClickableLabel; }

namespace keywords {

class KeywordListModel;

struct KeywordPanel {
    QPushButton *searchButton = nullptr;         // 按钮4 "搜索关键词"
    QLabel *searchHint = nullptr;                // 标签5
    QGroupBox *listFrame = nullptr;              // 分组框2
    QTreeView *list = nullptr;                   // 超级列表框1
    KeywordListModel *listModel = nullptr;       // its rows; owned by the list
    ui::ClickableLabel *showAdd = nullptr; // 透明标签3 "新增加"
    QPushButton *deleteButton = nullptr;         // 按钮8 "删除选中"
    QGroupBox *addPanel = nullptr;               // 分组框3
    QLabel *nameCaption = nullptr;               // 标签3
    QLineEdit *nameEdit = nullptr;               // 编辑框3
    QLabel *remarkCaption = nullptr;             // 标签4
    QLineEdit *remarkEdit = nullptr;             // 编辑框4
    ui::ClickableLabel *remarkBanned = nullptr;     // 透明标签4 "违禁"
    ui::ClickableLabel *remarkDisputed = nullptr;   // 透明标签5 "版权纠纷"
    ui::ClickableLabel *remarkCommercial = nullptr; // 透明标签6 "商业"
    QPushButton *addButton = nullptr;            // 按钮5 "新增"
    QPushButton *cancelButton = nullptr;         // 按钮7 "取消"
    QPushButton *searchOneButton = nullptr;      // 按钮6, hidden for good
};

} // namespace keywords
