// The Greek catalog against the current sources: every text the code marks for translation has
// its Greek translation, and each translation keeps the argument markers its code fills in.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CatalogMessage {
    QString Context;
    QString Source;
    QString Translation;
    QString Type; // "", "unfinished", "vanished" or "obsolete"
};

// The text of a <source> or <translation>; a character XML cannot carry (the CR of a CR LF) is
// written as <byte value="xd"/>.
QString ReadText(QXmlStreamReader& xml) {
    QString text;
    const QStringView element = xml.name();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            text += QChar(xml.attributes().value(QLatin1String("value")).toUInt(nullptr, 16));
        } else if (xml.isEndElement() && xml.name() == element) {
            break;
        }
    }
    return text;
}

std::vector<CatalogMessage> ReadCatalog(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<CatalogMessage> messages;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.push_back({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source") && !messages.empty()) {
            messages.back().Source = ReadText(xml);
        } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            messages.back().Type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().Translation = ReadText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The markers QString::arg and our own replacements fill in: %1 to %99, and %s.
QStringList ArgumentMarkers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d{1,2}|s)"));
    QStringList markers;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text)) {
        markers << match.captured();
    }
    markers.sort();
    return markers;
}

std::string Describe(const CatalogMessage& message) {
    QString source = message.Source;
    source.replace(QLatin1String("\r\n"), QLatin1String("\\r\\n"));
    source.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return (message.Context + QStringLiteral(": \"") + source + QLatin1Char('"')).toStdString();
}

TEST(GreekCatalog, EveryTextInTheCodeHasItsGreekTranslation) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString copy = work.filePath(QStringLiteral("ashtally_el.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ASHTALLY_TS_FILE), copy));

    // lupdate brings the copy up to date with the code as the build target does, but keeps the
    // texts that vanished from the code: a source list that finds nothing would otherwise pass.
    QStringList arguments =
        QStringLiteral(ASHTALLY_LUPDATE_OPTIONS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    arguments.removeAll(QStringLiteral("-no-obsolete"));
    arguments << QStringLiteral("-silent") << QStringLiteral("@" ASHTALLY_LUPDATE_LIST)
              << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(ASHTALLY_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << lupdate.errorString().toStdString();
    const QString complaints = QString::fromUtf8(lupdate.readAllStandardError());
    ASSERT_EQ(lupdate.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(lupdate.exitCode(), 0) << complaints.toStdString();
    // A text lupdate cannot place (tr() in a class without Q_OBJECT, or without any class) is
    // looked up at run time under another context than the catalog's, so it is never translated.
    EXPECT_TRUE(complaints.trimmed().isEmpty()) << complaints.toStdString();

    std::vector<CatalogMessage> inUse;
    for (CatalogMessage& message : ReadCatalog(copy)) {
        if (message.Type != QLatin1String("vanished") &&
            message.Type != QLatin1String("obsolete")) {
            inUse.push_back(std::move(message));
        }
    }
    ASSERT_FALSE(inUse.empty()) << "lupdate found no texts in " ASHTALLY_LUPDATE_LIST;

    std::vector<std::string> untranslated;
    std::vector<std::string> markersDiffer;
    for (const CatalogMessage& message : inUse) {
        if (message.Type == QLatin1String("unfinished") || message.Translation.isEmpty()) {
            untranslated.push_back(Describe(message));
        } else if (ArgumentMarkers(message.Source) != ArgumentMarkers(message.Translation)) {
            markersDiffer.push_back(Describe(message));
        }
    }
    std::string list;
    for (const std::string& text : untranslated) {
        list += "\n  " + text;
    }
    EXPECT_TRUE(untranslated.empty())
        << "Texts without a Greek translation (build the target update_translations, then "
           "translate them in lang/el/ashtally_el.ts):"
        << list;
    list.clear();
    for (const std::string& text : markersDiffer) {
        list += "\n  " + text;
    }
    EXPECT_TRUE(markersDiffer.empty())
        << "Greek translations that lose or add a %-marker of their source:" << list;
}

} // namespace
