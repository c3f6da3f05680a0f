#pragma once
// The help file "Tolmir.hlp": plain UTF-8 text, one topic per context number.
// A line "#topic <number> <title>" starts a topic; the lines up to the next such
// line are its text, in Markdown. Lines before the first topic are comments.
// A link "[text](#205)" leads to topic 205.

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

struct THelpTopic {
    QString Title;
    QString Body; // Markdown
};

struct THelpFile {
    std::map<int, THelpTopic> Topics;
    // Mistakes found while reading, one line each ("line 12: ..."); the topics
    // they concern are left out or kept as the text says.
    QStringList Problems;
};

THelpFile ParseHelpText(const QString& AText);

// Reads and parses the file; nothing when it cannot be read.
std::optional<THelpFile> LoadHelpFile(const QString& APath);

// The help file in the player's language beside the running executable:
// "Tolmir_de.hlp" for German, "Tolmir.hlp" for English and when the file is missing.
QString DefaultHelpFilePath();
