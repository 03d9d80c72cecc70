// The keyword library in music.mdb and the keyword list that shows it: opening the file
// (KeywordStoreOpening.cpp), loading the list with its queue of waiting commands
// (KeywordListLoading.cpp), and the transactions that add and delete keywords (KeywordTransactions.cpp).
#pragma once

#include "platform/sql/StoreConnection.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>

namespace songs { class QuitRequest; }

namespace keywords {

class KeywordListModel;
struct KeywordRow;

// What adding many keywords at once came to.
// What the user is to be told about the library once it is opened; ui words it.
struct StoreNotice {
    enum class Kind {
        None,
        ReadOnly,           // can be read and searched, not changed
        CannotCreate,       // no music.mdb, and none can be made in its folder
        Damaged,            // not a keyword library, or damaged; left as it is
        InUse,              // another program holds it locked; read again at the next keyword command
        AccessEncrypted,    // an encrypted Access file; left as it is
        AccessTooOld,       // an Access 97 file; left as it is
        AccessUnreadable,   // an Access file whose table music cannot be read; left as it is
        AccessNotConverted, // the new library could not be written beside it; left as it is
        AccessNotMoved,     // the original could not be renamed aside (path names it); left as it is
        AccessChanged,      // another file took its place while it was read; left as it is
        AccessConverted,    // converted: rowCount rows, the original kept at path
    };
    StoreNotice(Kind what = Kind::None, QString where = {}) : kind(what), path(std::move(where)) {}

    Kind kind = Kind::None;
    QString path; // native separators
    int rowCount = 0;
    // After AccessConverted: rows a damaged page kept from being read; rowsLost is set whenever some
    // were lost, and unreadableRows is 0 when they could not be counted.
    bool rowsLost = false;
    int unreadableRows = 0;
};

// Why a change of the library cannot be made.
enum class ChangeRefusal {
    None,
    ReadOnly,    // the file is marked read-only
    Unavailable, // the library could not be opened, or was found damaged
};

struct KeywordInsertion {
    enum class Outcome {
        NotStarted, // the library could not be locked for writing; nothing was tried
        Failed,     // an insert failed; everything was rolled back
        NotSaved,   // the commit failed and was rolled back
        Saved,
    };
    Outcome outcome = Outcome::NotStarted;
    int added = 0;
    int skipped = 0;
};

class KeywordStore {
public:
    // What the user is to be told later on (a waiting command cannot run: the library is still in
    // use) goes to tell, which the window shows. The library waits up to busyWaitMs for another
    // program's lock on it.
    KeywordStore(KeywordListModel &list, QString libraryFolder, const songs::QuitRequest &quit,
                 std::function<void(const StoreNotice &notice)> tell, int busyWaitMs = 5000);

    // Told, while an old Access file is converted and the conversion has run longer than a moment,
    // how far it has come (steps done of total); done < 0 once it has ended.
    void setConversionProgress(std::function<void(qint64 done, qint64 total)> show) { m_progress = std::move(show); }

    // Opens music.mdb in the library folder and fills the keyword list. A missing file becomes an
    // empty library; an old Access file is converted once, off the window's thread while the window
    // answers, and the end of the program stops it with the original as it was. Returns what the
    // user is to be told about the file (read-only, unusable, in use, converted), if anything.
    StoreNotice OpenKeywordDatabase();
    // Empties the keyword list and fills it again from table music, sorted by 歌曲名. The window's
    // events are handled as it goes; a command that touches the list meanwhile waits for its end
    // (runWhenListReady), and the end of the program stops it.
    void LoadKeywordList();
    // Only the tests ask, to make sure their clicks land in the middle of a load.
    bool isLoading() const { return m_loading; }
    // Runs the command now, or right after the list load that is under way. When the last load
    // found the library locked by another program, the list is loaded again first; the command
    // runs only once the library could be read, else the user is told it is still in use.
    void runWhenListReady(std::function<void()> command);

    // Why the library cannot be changed; None when it can.
    ChangeRefusal refusal() const;
    // The stored 歌曲名 equal to the keyword apart from the case of A to Z; empty when none is.
    QString storedName(const QString &keyword);
    // A change is one transaction: it begins (false when the library cannot be written now), runs
    // one statement, and is committed or rolled back. A commit that fails is rolled back, so either
    // way the library is free again when these return.
    bool beginChange();
    // Why the last beginChange failed: the file was found damaged (then no later change is tried),
    // rather than written by another program.
    bool foundDamaged() const { return m_foundDamaged; }
    bool insertKeyword(const QString &keyword, const QString &remark);
    bool deleteKeyword(qint64 id);
    // Adds the rows' names and remarks in one transaction, skipping every name equal to a stored
    // one, or to one before it, apart from the case of A to Z: the others are all stored, or none.
    KeywordInsertion insertKeywords(const QList<KeywordRow> &rows);
    bool commitChange();
    void rollbackChange();

private:
    enum class Changes { Refused, ReadOnly, Allowed };

    QString databasePath() const;
    // OpenKeywordDatabase's steps; each returns the notice for the user, if any.
    StoreNotice prepareStoreFile(const QString &path, bool *usable);
    StoreNotice convertAccessFile(const QString &path, bool *usable);
    StoreNotice openStore(const QString &path);
    void runWaitingCommands();

    KeywordListModel &m_list;
    QString m_libraryFolder;
    const songs::QuitRequest &m_quit;
    std::function<void(const StoreNotice &notice)> m_tell;
    std::function<void(qint64 done, qint64 total)> m_progress;
    int m_busyWaitMs;
    platform::StoreConnection m_store; // 外部数据库2
    Changes m_changes = Changes::Refused;

    bool m_loading = false;
    bool m_lastLoadFailed = false;
    // The last load could not read the library because another program held it locked.
    bool m_inUse = false;
    bool m_foundDamaged = false; // a change found the file damaged
    std::deque<std::function<void()>> m_waitingCommands;
};

} // namespace keywords
