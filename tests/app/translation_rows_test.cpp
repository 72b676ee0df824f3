// Every row of every translation file is translated: a row left unfinished
// would show its English text among the other language's captions.
#include <QDirIterator>
#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace vn::app {
namespace {

struct Row {
    QString source;
    bool finished = false;
};

// The rows of a Qt translation file, or none when it cannot be read.
std::vector<Row> Rows(const QString& path) {
    std::vector<Row> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return rows;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) {
            rows.push_back({xml.readElementText(), false});
        } else if (xml.name() == QLatin1String("translation") && !rows.empty()) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            rows.back().finished = !unfinished && !xml.readElementText().isEmpty();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return rows;
}

TEST(Translations, EveryRowOfEveryLanguageIsTranslated) {
    QStringList files;
    for (QDirIterator it(QStringLiteral(VN_SOURCE_DIR), {QStringLiteral("*.ts")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        files << it.next();
    }
    // Four languages besides English for each of the four modules with windows.
    ASSERT_EQ(files.size(), 16) << files.join(QLatin1Char(' ')).toStdString();
    for (const QString& file : files) {
        const std::vector<Row> rows = Rows(file);
        EXPECT_FALSE(rows.empty()) << file.toStdString();
        for (const Row& row : rows) {
            EXPECT_TRUE(row.finished) << file.toStdString() << ": \"" << row.source.toStdString() << "\"";
        }
    }
}

}  // namespace
}  // namespace vn::app
