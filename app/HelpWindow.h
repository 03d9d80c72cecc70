// The help window 帮助: the program's help texts, the makers' lines and a button to the home page.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
namespace platform { class Shell; }

namespace app {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // home is the site address; the button 按钮1 hands it to the shell on every click. Without a
    // support address, 标签2 stays empty.
    HelpWindow(const QString &home, const QString &supportEmail, platform::Shell &shell, QWidget *parent = nullptr);

    static const QString &helpText();    // 标签1
    static const QString &newsText();    // 标签5
    static const QString &warningText(); // 标签4

private:
    QLabel *addLabel(const QString &name, const QString &text, const QRect &geometry, bool wraps);
    // A label for an address of any length: it wraps inside the address if it must and grows
    // downwards from geometry to hold its rows.
    QLabel *addAddressLabel(const QString &name, const QString &text, const QRect &geometry);
};

} // namespace app
