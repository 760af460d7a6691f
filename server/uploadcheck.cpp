#include "server/uploadcheck.h"

#include "movefile/openedmovefile.h"
#include "netplay/witnessverdict.h"
#include "turns/turnorder.h"

#include <QCoreApplication>

QString uploadRefusal(const QByteArray& file, const UploadRules& rules) {
    if (file.size() > UploadRules::kMaxFileBytes)
        return QCoreApplication::translate("UploadCheck", "the file is larger than 1 MiB");
    OpenedMoveFile opened;
    try {
        opened = parseOpenedMoveFile(file);
    } catch (const MoveFileError& error) {
        return QCoreApplication::translate("UploadCheck", "the file is damaged: %1")
            .arg(QString::fromStdString(error.what()));
    }
    if (!opened.extensionWarning.isEmpty())
        return QCoreApplication::translate("UploadCheck", "the file is damaged: %1")
            .arg(opened.extensionWarning);
    const KorvaExtension& block = opened.extension;
    if (!block.gameId)
        return QCoreApplication::translate("UploadCheck", "the file names no game");
    if (block.gameId->bytes() != rules.game)
        return QCoreApplication::translate("UploadCheck", "the file is of another game");
    const Side first = rules.firstSide == 0 ? Side::First : Side::Second;
    if (!block.turn || block.turn->movesFirst != first || movesBefore(*block.turn) != rules.turn)
        return QCoreApplication::translate("UploadCheck",
                                           "the file's turn does not follow the last one");
    const WitnessVerdict verdict =
        verifyWitnessed(block.witnessedRolls, opened.contents.tags,
                        {rules.game, std::uint32_t(rules.turn), rules.publicKey, rules.witnessed});
    if (!verdict.witnessed())
        return QCoreApplication::translate("UploadCheck",
                                           "its rolls are not this turn's witnessed rolls: %1")
            .arg(verdict.text());
    return {};
}
