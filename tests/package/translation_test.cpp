// SPDX-License-Identifier: GPL-3.0-or-later
// Each English entry can stand where its Spanish source stands: it fills the
// same %1..%9 (a number lost drops a file name or a count from the message),
// keeps an access key where the source has one, and breaks its lines as often.
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <set>

namespace {

// A number used twice in a sentence may be used once in another.
std::set<QString> numbers(const QString& text) {
    std::set<QString> out;
    const QRegularExpression arg(QStringLiteral("%[1-9]"));
    for (auto it = arg.globalMatch(text); it.hasNext();)
        out.insert(it.next().captured());
    return out;
}

bool hasAccessKey(const QString& text) {
    return QRegularExpression(QStringLiteral("&[^&\\s]")).match(text).hasMatch();
}

TEST(EnglishTranslation, EveryEntryKeepsItsNumbersAccessKeyAndLines) {
    QFile file(QStringLiteral(VS_TS_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context, source;
    int entries = 0;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString english = xml.readElementText();
            const std::string where = (context + QStringLiteral(": ") + source).toStdString();
            EXPECT_EQ(numbers(english), numbers(source)) << where;
            EXPECT_EQ(hasAccessKey(english), hasAccessKey(source)) << where;
            EXPECT_EQ(english.count(QLatin1Char('\n')), source.count(QLatin1Char('\n'))) << where;
            ++entries;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(entries, 0);
}

} // namespace
