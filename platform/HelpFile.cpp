#include "platform/HelpFile.h"

#include "files/SafeFile.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kTopicMarker = QStringLiteral("#topic");

// Far above the help text's size.
constexpr std::size_t kMaxHelpSize = 16 * 1024 * 1024;

// A topic line is "#topic" alone or followed by white space; "#topics" is text.
bool IsTopicLine(const QString& ALine) {
    return ALine.startsWith(kTopicMarker) &&
           (ALine.size() == kTopicMarker.size() || ALine.at(kTopicMarker.size()).isSpace());
}

QString TrimmedBody(const QStringList& ALines) {
    qsizetype first = 0;
    qsizetype last = ALines.size();
    while (first < last && ALines.at(first).trimmed().isEmpty()) {
        ++first;
    }
    while (last > first && ALines.at(last - 1).trimmed().isEmpty()) {
        --last;
    }
    return ALines.mid(first, last - first).join(QLatin1Char('\n'));
}

} // namespace

THelpFile ParseHelpText(const QString& AText) {
    static const QRegularExpression kHeader(QStringLiteral("^#topic\\s+(\\d+)(?:\\s+(.*))?$"));
    static const QRegularExpression kLineBreak(QStringLiteral("\\r\\n|\\r|\\n"));

    THelpFile result;
    const QStringList lines = AText.split(kLineBreak);

    // The topic being collected, with the line of its header; none before the
    // first header and after a header that cannot be used.
    std::optional<int> current;
    int headerLine = 0;
    THelpTopic topic;
    QStringList body;

    const auto finish = [&] {
        if (!current) {
            return;
        }
        topic.Body = TrimmedBody(body);
        if (topic.Body.isEmpty()) {
            result.Problems
                << QStringLiteral("line %1: topic %2 has no text").arg(headerLine).arg(*current);
        }
        result.Topics.emplace(*current, topic);
        current.reset();
    };

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const int lineNumber = static_cast<int>(i + 1);
        if (!IsTopicLine(line)) {
            if (current) {
                body << line;
            }
            continue;
        }
        finish();
        const QRegularExpressionMatch match = kHeader.match(line.trimmed());
        bool ok = false;
        const int number = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
        if (!ok || number <= 0) {
            result.Problems
                << QStringLiteral("line %1: \"#topic\" needs a number above 0").arg(lineNumber);
            continue;
        }
        if (result.Topics.contains(number)) {
            result.Problems << QStringLiteral("line %1: topic %2 appears again and is ignored")
                                   .arg(lineNumber)
                                   .arg(number);
            continue;
        }
        current = number;
        headerLine = lineNumber;
        topic = THelpTopic{match.captured(2).trimmed(), {}};
        body.clear();
    }
    finish();
    return result;
}

std::optional<THelpFile> LoadHelpFile(const QString& APath) {
    // A FIFO or a device in place of the file is never waited on: it counts as
    // no file.
    const TFileRead read = ReadRegularFile(QFileInfo(APath).filesystemFilePath(), kMaxHelpSize);
    if (read.Status != TFileReadStatus::Ok) {
        return std::nullopt;
    }
    return ParseHelpText(
        QString::fromUtf8(read.Text.data(), static_cast<qsizetype>(read.Text.size())));
}

QString DefaultHelpFilePath() {
    const QDir folder(QCoreApplication::applicationDirPath());
    // "Tolmir_de.hlp" for German; English, and a language whose file is missing, read Tolmir.hlp.
    if (const QString language = CurrentLanguage(); !language.isEmpty()) {
        const QString translated = folder.filePath(QStringLiteral("Tolmir_%1.hlp").arg(language));
        if (QFileInfo::exists(translated)) {
            return translated;
        }
    }
    return folder.filePath(QStringLiteral("Tolmir.hlp"));
}
