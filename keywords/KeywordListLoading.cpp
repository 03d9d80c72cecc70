// Loading the keyword list from the library, and the queue of commands that wait for a load.
#include "keywords/KeywordStore.h"

#include "keywords/KeywordListModel.h"
#include "keywords/KeywordSchema.h"
#include "platform/Events.h"
#include "songs/QuitRequest.h"

#include <optional>

namespace keywords {

void KeywordStore::LoadKeywordList()
{
    if (m_loading) {
        runWhenListReady([this] { LoadKeywordList(); });
        return;
    }
    m_loading = true;
    m_list.clear();
    {
        platform::StoreRows rows = m_store.query(KeywordSchema::selectAllByName());
        const int idColumn = rows.column(KeywordSchema::idColumn());
        const int nameColumn = rows.column(KeywordSchema::nameColumn());
        const int remarkColumn = rows.column(KeywordSchema::remarkColumn());
        platform::EventPump pump([this] { return m_quit.isRequested(); });
        while (rows.next()) {
            if (!pump.tick())
                break;
            // A row whose 编号 is no number cannot be deleted by it and is left out.
            const std::optional<qint64> id = KeywordSchema::keywordNumber(rows.value(idColumn));
            if (!id)
                continue;
            // A database null shows as an empty text.
            m_list.appendRow({*id, rows.value(nameColumn).toString(), rows.value(remarkColumn).toString()});
        }
        // A table without the key or the name columns is not a keyword library.
        m_lastLoadFailed = rows.failed() || idColumn < 0 || nameColumn < 0;
        m_inUse = rows.busy();
    }
    // The query keeps the library's own order; the list shows the names as a Chinese reader looks them up.
    m_list.sortByPinyin();
    m_loading = false;
    runWaitingCommands();
}

void KeywordStore::runWhenListReady(std::function<void()> command)
{
    if (m_loading) {
        m_waitingCommands.push_back(std::move(command));
        return;
    }
    if (!m_inUse) {
        command();
        return;
    }
    // The other program may be done by now: read the library again, then run the command first
    // among those that wait for the load.
    m_waitingCommands.push_back([this, command = std::move(command)] {
        if (m_inUse)
            m_tell({StoreNotice::Kind::InUse});
        else
            command();
    });
    LoadKeywordList();
}

void KeywordStore::runWaitingCommands()
{
    // A command may start a load of its own; the rest then wait for that one. Once the program is
    // ending, none of them runs.
    if (m_quit.isRequested())
        m_waitingCommands.clear();
    while (!m_loading && !m_waitingCommands.empty()) {
        std::function<void()> command = std::move(m_waitingCommands.front());
        m_waitingCommands.pop_front();
        command();
    }
}

} // namespace keywords
