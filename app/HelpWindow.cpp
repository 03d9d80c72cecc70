// The help window.
#include "app/HelpWindow.h"

#include "app/MakerTexts.h"
#include "ui/widgets/Accessibility.h"
#include "platform/Shell.h"
#include "ui/widgets/WrappingLabel.h"

#include <QLabel>
#include <QPushButton>

namespace app {

namespace {
// The outer frame is 470 x 312; the client area keeps the width and loses the title bar, as the
// main window does, and holds the lowest control (ending at y = 282) unless long addresses need
// more room.
constexpr QSize kClientSize(470, 286);

// The help texts' font: Song typeface, 16 pixels, normal weight. Where no Song face is installed, a
// Chinese face with its own narrow Latin letters keeps the lines about as long as Song's, so they
// break where they would with it; failing all, Qt falls back to whatever has the characters.
QFont songFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("NSimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(16);
    font.setWeight(QFont::Normal);
    return font;
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
} // namespace

const QString &HelpWindow::helpText()
{
    static const QString text = QStringLiteral(
        "帮助：\r\n\r\n导入8位编码：软件将自动识别并生成基本数据到列表框中\r\n"
        "导出明细Excel：将导入后分析的类容导出为Excel\r\n"
        "导出8位编码：将导入后分析的类容中的8位编码导出为txt\r\n\r\n"
        "导出的8位编码可以快速使用在使用Korvia8位编码的服务器上使用\r\n"
        "加快店家的新歌列表上架速度，增加了顾客对店家新歌上架的了解");
    return text;
}

const QString &HelpWindow::newsText()
{
    static const QString text = QStringLiteral("V1.5版更新：\r\n新增歌曲关键词查询（版权纠纷、违禁歌曲等不再）");
    return text;
}

const QString &HelpWindow::warningText()
{
    static const QString text = QStringLiteral(
        "注意：本程序部分杀毒软件报毒是正常的，本程序未植入任何恶意程序和代码\r\n"
        "请在操作过程中备份您的数据，数据无价，请谨慎操作");
    return text;
}

HelpWindow::HelpWindow(const QString &home, const QString &supportEmail, platform::Shell &shell, QWidget *parent)
    : QDialog(parent)
{
    ui::nameControl(this, QStringLiteral("帮助"));
    setWindowTitle(QStringLiteral("帮助"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientSize);
    setModal(true);

    // Plain-text labels lay out CR LF as one line break, the same as LF alone, so the texts keep
    // their CR LF form and read back exactly.
    QLabel *help = addLabel(QStringLiteral("标签1"), helpText(), {0, 2, 464, 150}, true);
    help->setFont(songFont());
    setTextColour(help, Qt::red);

    QLabel *news = addLabel(QStringLiteral("标签5"), newsText(), {2, 144, 464, 40}, true);
    news->setFont(songFont());
    setTextColour(news, Qt::blue);

    addLabel(QStringLiteral("标签4"), warningText(), {24, 191, 424, 24}, true);
    QLabel *owner = addAddressLabel(QStringLiteral("标签3"), maker::ownershipLine() + QStringLiteral("   ") + home,
                                    {122, 226, 216, 24});

    auto *openHome = new QPushButton(QStringLiteral("打开网址"), this);
    ui::nameControl(openHome, QStringLiteral("按钮1"));
    openHome->setGeometry(384, 226, 56, 24);
    openHome->setAutoDefault(false);
    connect(openHome, &QPushButton::clicked, this, [home, &shell] { shell.openAddress(home); });

    // Two rows: the request, then the address, which would not fit behind it in the label's width.
    // Both addresses are build settings; the window grows when they need more rows than it has.
    const QString contact =
        supportEmail.isEmpty() ? QString() : maker::supportRequestLine() + QStringLiteral("\r\n") + supportEmail;
    QLabel *contactLabel = addAddressLabel(QStringLiteral("标签2"), contact,
                                           {115, std::max(250, owner->geometry().bottom() + 1), 221, 32});
    // Without a support address the line stays empty; a screen reader still says what it is for.
    if (contact.isEmpty())
        contactLabel->setAccessibleName(QStringLiteral("联系方式"));
    setFixedSize(kClientSize.width(), std::max(kClientSize.height(), contactLabel->geometry().bottom() + 5));
}

QLabel *HelpWindow::addAddressLabel(const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new ui::WrappingLabel(this);
    ui::nameControl(label, name);
    label->setText(text);
    setTextColour(label, Qt::black);
    label->setGeometry(geometry.x(), geometry.y(), geometry.width(),
                       std::max(geometry.height(), label->heightForWidth(geometry.width())));
    return label;
}

QLabel *HelpWindow::addLabel(const QString &name, const QString &text, const QRect &geometry, bool wraps)
{
    auto *label = new QLabel(this);
    ui::nameControl(label, name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(geometry);
    label->setWordWrap(wraps);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(label, Qt::black);
    return label;
}

} // namespace app
