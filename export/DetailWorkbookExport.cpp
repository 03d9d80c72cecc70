// The detail workbook export.
#include "export/DetailWorkbookExport.h"

#include "export/ExportProgressWindow.h"
#include "platform/BusyGate.h"
#include "platform/Events.h"
#include "platform/FileDialog.h"
#include "platform/FileErrors.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/xls/ExcelAutomation.h"
#include "songs/SongTableModel.h"

#include <QPointer>
#include <QProgressBar>

namespace exporting {

namespace {

constexpr int kColumns = 9;

// An A1-style reference such as "a2" or "i65536", built without touching the heap: the column letter
// is the character 96 + column number, as the workbook has always been addressed.
class CellReference {
public:
    CellReference(int column, int row)
    {
        m_text[0] = char16_t(96 + column);
        char16_t digits[8];
        int count = 0;
        do {
            digits[count++] = char16_t(u'0' + row % 10);
            row /= 10;
        } while (row > 0);
        for (int i = 0; i < count; ++i)
            m_text[1 + i] = digits[count - 1 - i];
        m_size = 1 + count;
    }
    QStringView view() const { return QStringView(m_text, m_size); }

private:
    char16_t m_text[9];
    qsizetype m_size;
};

void writeTextCell(xls::ExcelAutomation &excel, int column, int row, const QString &text)
{
    const CellReference reference(column, row);
    excel.setNumberFormat(reference.view(), u"@");
    excel.setValue(reference.view(), text);
}

} // namespace

const QStringList &DetailWorkbookExport::headerTexts()
{
    static const QStringList texts = {QStringLiteral("歌曲名字"), QStringLiteral("歌手名字"), QStringLiteral("歌曲语种"),
                                      QStringLiteral("歌曲类别"), QStringLiteral("音量衰减"), QStringLiteral("歌曲文件"),
                                      QStringLiteral("歌曲质量"), QStringLiteral("歌曲版本"), QStringLiteral("歌曲编码")};
    return texts;
}

DetailWorkbookExport::DetailWorkbookExport(songs::SongTableModel &table, platform::FileDialog &sharedDialog,
                                           platform::Prompts &prompts, platform::Shell &shell,
                                           platform::BusyGate &busy, const platform::QuitRequest &quit, QWidget *window,
                                           QObject *parent)
    : QObject(parent), m_table(table), m_dialog(sharedDialog), m_prompts(prompts), m_shell(shell), m_busy(busy),
      m_quit(quit), m_window(window)
{
}

void DetailWorkbookExport::writeHeader(xls::ExcelAutomation &excel)
{
    for (int column = 1; column <= kColumns; ++column)
        writeTextCell(excel, column, 1, headerTexts()[column - 1]);
}

void DetailWorkbookExport::ExportDetailWorkbook()
{
    m_dialog.setMode(platform::FileDialog::Mode::Save);
    m_dialog.setTitle(QString());
    m_dialog.setFileName(QStringLiteral("导出XLS格式"));
    m_dialog.setFilter(QStringLiteral("*.xls|*.xls"));
    m_dialog.setDefaultExtension(QStringLiteral("xls"));
    if (!m_dialog.show(m_window))
        return;
    const QString path = m_dialog.fileName();
    const platform::BusyGate::Hold busy(m_busy);

    QPointer<ExportProgressWindow> progress = new ExportProgressWindow(m_window);
    progress->show();

    xls::ExcelAutomation excel;
    excel.start();
    excel.addWorkbook();
    excel.selectFirstWorksheet();
    writeHeader(excel);

    progress->bar()->setMaximum(m_table.songCount());
    Q_EMIT rowsStarted();
    const int songCount = m_table.songCount();
    // Events are handled, and the bar moved on, once a few milliseconds of rows have been written
    // rather than after every row: handling events and measuring the bar's text cost more than
    // writing the row, so a 300,000-song export takes about a second instead of many, while both
    // windows stay just as painted and responsive.
    platform::EventPump events(m_quit);
    int position = 0;
    const auto showPosition = [&] {
        if (progress)
            progress->bar()->setValue(position);
    };
    for (int song = 1; song <= songCount; ++song) {
        if (events.due()) {
            showPosition();
            // The program is ending: nothing is saved, reported or opened.
            if (!events.process()) {
                delete progress.data();
                return;
            }
        }
        // A worksheet holds 65,536 rows: after 65,535 songs the export goes on on a new worksheet
        // that starts with the header row again.
        const int onSheet = (song - 1) % kSongsPerSheet + 1;
        if (song > 1 && onSheet == 1) {
            excel.addWorksheetAndSelect();
            writeHeader(excel);
        }
        for (int column = 1; column <= kColumns; ++column)
            writeTextCell(excel, column, onSheet + 1, m_table.cellText(song - 1, column - 1));
        ++position;
    }
    showPosition();
    if (progress)
        delete progress.data();

    const bool saved = excel.saveAs(path);
    const QString reason = excel.errorString();
    excel.closeAndQuit();
    if (!saved) {
        m_prompts.messageBox(m_window, platform::writeFailureMessage(path, platform::describeOpenFailure(path, reason)),
                             platform::mb::Ok | platform::mb::IconWarning, QString());
        return;
    }
    m_prompts.messageBox(m_window, QStringLiteral("导出成功!"), platform::mb::Ok | platform::mb::IconInformation,
                         QString());
    m_shell.openDocument(path);
}

} // namespace exporting
