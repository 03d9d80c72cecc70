// The words of the song list's status line.
#include "songs/ui/SongStatus.h"

namespace songs {

QString idleStatusText()
{
    return QStringLiteral("消息：无");
}

QString importStatusText(qsizetype lineCount)
{
    return lineCount > 0 ? QStringLiteral("消息：共分析出歌曲数%1个").arg(lineCount) : QString();
}

QString removalStatusText(const RemovalFact &fact)
{
    switch (fact.kind) {
    case RemovalFact::Kind::Removed:
        return QStringLiteral("消息：删除歌曲%1首，剩余%2首").arg(fact.songs).arg(fact.total);
    case RemovalFact::Kind::Undone:
        return QStringLiteral("消息：撤销删除，恢复歌曲%1首，共%2首").arg(fact.songs).arg(fact.total);
    case RemovalFact::Kind::Redone:
        return QStringLiteral("消息：重做删除，删除歌曲%1首，剩余%2首").arg(fact.songs).arg(fact.total);
    case RemovalFact::Kind::NothingToUndo:
        return QStringLiteral("消息：没有可以撤销的删除");
    case RemovalFact::Kind::NothingToRedo:
        return QStringLiteral("消息：没有可以重做的删除");
    }
    return QString();
}

} // namespace songs
