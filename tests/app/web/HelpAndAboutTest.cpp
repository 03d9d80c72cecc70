// The help window, the about box and the links, through the real main window.
#include "app/HelpWindow.h"
#include "app/MakerTexts.h"
#include "app/WebBand.h"
#include "app/WebLinks.h"
#include "platform/QtPrompts.h"
#include "tests/support/TestWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

using testing_support::TestWindow;

namespace {
const QString kSite = QStringLiteral("http://127.0.0.1:9");
const QString kSupport = QStringLiteral("faults@korvia-tools.example.org");

// Runs interact on the modal window once it is up, then closes it if interact has not.
void whileModalShown(std::function<void(QWidget *)> interact)
{
    QTimer::singleShot(0, [interact] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr) << "no modal window is open";
        interact(modal);
        if (QApplication::activeModalWidget() == modal)
            modal->close();
    });
}

QString labelText(QWidget *window, const char *name)
{
    auto *label = window->findChild<QLabel *>(QString::fromUtf8(name));
    return label ? label->text() : QStringLiteral("<missing>");
}
} // namespace

TEST(WebLinks, EachLinkHandsItsExactAddressToTheShell)
{
    TestWindow t(kSite + u'/');
    auto *link = t.find<QLabel>(QStringLiteral("透明标签1"));
    QTest::mousePress(link, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(t.shell.addresses.isEmpty()) << "only the left button opens the news page";

    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(250, 70)); // beyond the board, still on the link
    t.clickToolbar(QStringLiteral("检查更新"));
    whileModalShown([](QWidget *help) {
        QTest::mouseClick(help->findChild<QPushButton *>(QStringLiteral("按钮1")), Qt::LeftButton);
    });
    t.clickToolbar(QStringLiteral("帮助"));

    EXPECT_EQ(t.shell.addresses, (QStringList{kSite + QStringLiteral("/exeapp/lumo/news.html"),
                                              kSite + QStringLiteral("/exeapp/lumo/"), kSite}));
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

TEST(HelpWindow, IsModalAndOpenHomeKeepsItOpenOnEveryPress)
{
    TestWindow t(kSite);
    QPointer<QWidget> seen;
    bool wasModal = false;
    bool stayedOpen = true;
    whileModalShown([&](QWidget *help) {
        seen = help;
        wasModal = qobject_cast<QDialog *>(help) && help->isModal() && help->isWindow();
        auto *button = help->findChild<QPushButton *>(QStringLiteral("按钮1"));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QStringLiteral("打开网址"));
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(button, Qt::LeftButton);
            stayedOpen = stayedOpen && help->isVisible() && QApplication::activeModalWidget() == help;
        }
    });
    t.clickToolbar(QStringLiteral("帮助"));

    EXPECT_TRUE(wasModal);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(t.shell.addresses, (QStringList{kSite, kSite, kSite}));
    EXPECT_TRUE(seen.isNull()) << "the help window lives only while it is shown";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(HelpWindow, EachOpeningBuildsAFreshWindowWithTheSameTexts)
{
    TestWindow t(kSite);
    QStringList texts[2];
    for (int opening = 0; opening < 2; ++opening) {
        whileModalShown([&, opening](QWidget *help) {
            EXPECT_FALSE(help->property("marked").toBool()) << "a window from an earlier opening came back";
            help->setProperty("marked", true);
            for (const char *name : {"标签1", "标签5", "标签4", "标签3", "标签2"})
                texts[opening] << labelText(help, name);
        });
        t.clickToolbar(QStringLiteral("帮助"));
    }
    ASSERT_EQ(texts[0].size(), 5);
    EXPECT_EQ(texts[0], texts[1]);
    EXPECT_EQ(texts[0][0], app::HelpWindow::helpText());
    EXPECT_EQ(texts[0][1], app::HelpWindow::newsText());
    EXPECT_EQ(texts[0][2], app::HelpWindow::warningText());
    EXPECT_TRUE(texts[0][3].endsWith(QStringLiteral("   ") + kSite)) << "the ownership line ends in the site";
    EXPECT_TRUE(texts[0][4].isEmpty()) << "no support address was set, and none is made up";
}

TEST(HelpWindow, AFixedFrameHoldsEveryControlAndTheTextsKeepTheirColours)
{
    testing_support::RecordingShell shell;
    app::HelpWindow help(kSite, kSupport, shell);
    EXPECT_EQ(help.windowTitle(), QStringLiteral("帮助"));
    EXPECT_EQ(help.minimumSize(), help.maximumSize()) << "fixed-size frame";
    const QList<QWidget *> controls = help.findChildren<QWidget *>();
    EXPECT_EQ(controls.size(), 6) << "five labels and the button, nothing else";
    for (QWidget *control : controls)
        EXPECT_TRUE(help.rect().contains(control->geometry())) << control->objectName().toStdString();

    // Each label is given its colour after the common black, so the order of the two matters.
    const std::pair<const char *, QColor> colours[] = {
        {"标签1", Qt::red}, {"标签5", Qt::blue}, {"标签4", Qt::black}, {"标签3", Qt::black}, {"标签2", Qt::black}};
    for (const auto &[name, colour] : colours) {
        auto *label = help.findChild<QLabel *>(QString::fromUtf8(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), colour) << name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name << ": no text is taken for markup";
    }
}

// However long the site address, 标签3 shows all of it: it wraps, anywhere in the address if it must,
// and its box (the window with it) grows to hold the rows; 标签2 follows below it.
TEST(HelpWindow, TheWholeSiteAddressCanBeRead)
{
    const QString site = QStringLiteral("http://www.korvia-code-export-tools.example.org/downloads/latest");
    testing_support::RecordingShell shell;
    app::HelpWindow help(site, kSupport, shell);
    auto *owner = help.findChild<QLabel *>(QStringLiteral("标签3"));
    auto *contact = help.findChild<QLabel *>(QStringLiteral("标签2"));
    ASSERT_TRUE(owner && contact);

    const QRect rows = owner->fontMetrics().boundingRect(QRect(QPoint(), QSize(owner->contentsRect().width(), 1000)),
                                                         Qt::TextWordWrap | Qt::TextWrapAnywhere, owner->text());
    EXPECT_LE(rows.height(), owner->contentsRect().height()) << "rows of the address are cut off";
    EXPECT_TRUE(help.rect().contains(owner->geometry()));
    EXPECT_FALSE(owner->geometry().intersects(contact->geometry()));
    EXPECT_EQ(contact->text(), u"发现程序错误请发邮件告诉我们：\r\n"_qs + kSupport);
}

TEST(HelpWindow, CarriageReturnsDrawNoGlyphAndBreakOnce)
{
    // Each label with its CR LF text must look exactly like the same label with LF alone.
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the Windows build's offscreen platform lays CR out with a width of its own; the "
                    "Linux suite checks the labels";
#endif
    testing_support::RecordingShell shell;
    app::HelpWindow help(kSite, kSupport, shell);
    for (const char *name : {"标签1", "标签5", "标签4", "标签2"}) {
        auto *label = help.findChild<QLabel *>(QString::fromUtf8(name));
        ASSERT_NE(label, nullptr);
        ASSERT_TRUE(label->text().contains(QStringLiteral("\r\n"))) << name;
        const QImage asShown = label->grab().toImage();
        const QString shown = label->text();
        label->setText(QString(shown).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        EXPECT_EQ(asShown, label->grab().toImage()) << name;
        label->setText(shown);
    }
}

TEST(AboutBox, TheToolbarEntryShowsThreeLinesEndingInTheSite)
{
    TestWindow t(kSite);
    t.clickToolbar(QStringLiteral("关于"));
    ASSERT_EQ(t.prompts.messages.size(), 1);
    const auto &shown = t.prompts.messages[0]; // its title, icon and button: the test below
    const QStringList lines = shown.text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[0].isEmpty());
    EXPECT_FALSE(lines[1].isEmpty());
    EXPECT_EQ(lines[2], kSite);
    EXPECT_FALSE(shown.text.contains(QStringLiteral("\n\n")));
    EXPECT_TRUE(t.shell.addresses.isEmpty());
}

TEST(AboutBox, TheRealMessageBoxHasOneButtonAndReturnsWhenItIsPressed)
{
    QWidget window;
    window.show();
    platform::QtPrompts prompts;
    testing_support::RecordingShell shell;
    app::WebLinks links(app::buildWebBand(&window), {{}, kSite, {}, prompts, shell}, &window);

    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        buttons = int(box->buttons().size());
        icon = box->icon();
        title = box->windowTitle();
        QTest::mouseClick(box->buttons().value(0), Qt::LeftButton);
    });
    links.showAboutBox();
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(title, QStringLiteral("关于"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
