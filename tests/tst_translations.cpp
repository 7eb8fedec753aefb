// The compiled translations: every language is in the resources and shows a
// text, never a bare key, for everything English has.
#include "resources.h"

#include <QFile>
#include <QMap>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Entry
{
    QString text;
    bool numerus = false;
    bool finished = false;
};

using Key = QPair<QString, QString>; // context, key

// The comment-less entries that lrelease compiles, as the .ts file holds them.
bool readTs(const QString &path, QMap<Key, Entry> *entries)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    QString context, source, comment, type;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                source.clear();
                comment.clear();
                type.clear();
                entry = Entry();
                entry.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                type = xml.attributes().value(QLatin1String("type")).toString();
                entry.finished = type.isEmpty();
                entry.text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (comment.isEmpty() && type != QLatin1String("vanished") && type != QLatin1String("obsolete"))
                entries->insert(Key(context, source), entry);
        }
    }
    return !xml.hasError();
}

QString tsPath(const QString &code)
{
    return QStringLiteral(KX500_SOURCE_DIR "/src/Languages/%1_KX500.ts").arg(code);
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyLanguageShowsTextForEveryKey_data();
    void everyLanguageShowsTextForEveryKey();
    void everyLanguageIsTranslated_data();
    void everyLanguageIsTranslated();

private:
    QMap<Key, Entry> m_english;
};

void TestTranslations::initTestCase()
{
    kx500InitResources();
    QVERIFY(readTs(tsPath(QStringLiteral("GB")), &m_english));
    QVERIFY(!m_english.isEmpty());
}

void TestTranslations::everyLanguageShowsTextForEveryKey_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("locale");
    // Keys whose text in this language must differ from the English.
    QTest::addColumn<QList<Key>>("native");

    const QList<Key> none;
    QTest::newRow("GB") << "GB" << "en_GB" << none;
    QTest::newRow("DE") << "DE" << "de_DE"
                        << QList<Key>{{"MainMenu", "Management"}, {"Management", "Settings"},
                                      {"Systemsettings", "Language"}, {"Systemsettings", "H2-Sensor"},
                                      {"Systemsettings", "Histogram"}, {"LanguageSelect", "German"}};
    const char *const others[][2] = {
        {"FR", "fr_FR"}, {"IT", "it_IT"}, {"ES", "es_ES"}, {"CN", "zh_CN"}, {"CZ", "cs_CZ"},
        {"HU", "hu_HU"}, {"RU", "ru_RU"}, {"SI", "sl_SI"}, {"JP", "ja_JP"}, {"PL", "pl_PL"},
        {"PT", "pt_PT"}, {"RO", "ro_RO"}, {"SK", "sk_SK"}, {"SE", "sv_SE"}, {"FI", "fi_FI"},
        {"DK", "da_DK"}, {"NO", "nb_NO"}, {"BG", "bg_BG"}, {"HR", "hr_HR"}, {"KR", "ko_KR"},
        {"RS", "sr_RS"}, {"TR", "tr_TR"}, {"EN", "en"}};
    for (const auto &lang : others)
        QTest::newRow(lang[0]) << QString::fromLatin1(lang[0]) << QString::fromLatin1(lang[1]) << none;
}

void TestTranslations::everyLanguageShowsTextForEveryKey()
{
    QFETCH(QString, code);
    QFETCH(QString, locale);
    QFETCH(QList<Key>, native);

    QTranslator translator;
    QVERIFY2(translator.load(QStringLiteral(":/Languages/%1_KX500.qm").arg(code)), qPrintable(code));
    // Catches a file compiled under the wrong name or with the wrong plural rules.
    QCOMPARE(translator.language(), locale);

    QMap<Key, Entry> source;
    QVERIFY(readTs(tsPath(code), &source));
    // A key only in one language is a typo there or a key lost from English.
    QCOMPARE(source.keys(), m_english.keys());

    // Looked up as the program does: through the application, with the
    // English as disambiguation, which the comment-less entry must answer.
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const bool english = code == QLatin1String("GB") || code == QLatin1String("EN");
    for (auto it = m_english.cbegin(); it != m_english.cend(); ++it) {
        const QString &context = it.key().first;
        const QString &key = it.key().second;
        const QString &englishText = it.value().text;
        const Entry own = source.value(it.key());
        const QString where = code + QLatin1Char(' ') + context + QLatin1Char('/') + key;
        QVERIFY2(!englishText.isEmpty(), qPrintable(where + " has no English"));

        const QString shown = QCoreApplication::translate(context.toUtf8().constData(), key.toUtf8().constData(),
                                                          englishText.toUtf8().constData(), own.numerus ? 1 : -1);
        QVERIFY2(!shown.isEmpty(), qPrintable(where + " shows nothing"));
        // A translator may keep the key's spelling ("H2-Sensor"); a fallback may not.
        QVERIFY2(shown != key || englishText == key || own.finished, qPrintable(where + " shows the bare key"));
        if (own.numerus)
            continue; // the .ts text joins all plural forms
        // Unfinished entries are compiled in too: they carry the fallback.
        QCOMPARE(shown, own.text);
        if (english)
            QCOMPARE(shown, englishText);
        if (native.contains(it.key()))
            QVERIFY2(shown != englishText, qPrintable(where + " shows English"));
    }
    QCoreApplication::removeTranslator(&translator);
}

void TestTranslations::everyLanguageIsTranslated_data()
{
    QTest::addColumn<QString>("code");
    // English texts that are also right in this language, reviewed.
    QTest::addColumn<QStringList>("same");
    const QStringList none;
    QTest::newRow("DE") << "DE" << QStringList{"Analyse", "Name", "Update", "Update KXE500", "Update RM-3"};
    QTest::newRow("FR") << "FR" << QStringList{"Active", "Date", "Direction", "Distance", "Gain", "Inactive",
                                               "Latitude", "Longitude", "Points", "Satellites", "Type"};
    QTest::newRow("IT") << "IT" << QStringList{"No", "Screenshot"};
    QTest::newRow("ES") << "ES" << QStringList{"Error", "Manual", "No"};
    QTest::newRow("PT") << "PT" << QStringList{"Latitude", "Longitude", "Manual"};
    QTest::newRow("RO") << "RO" << QStringList{"Manual"};
    QTest::newRow("FI") << "FI" << QStringList{"Suomi"};
    QTest::newRow("DK") << "DK" << QStringList{"Type"};
    QTest::newRow("NO") << "NO" << QStringList{"Type"};
    for (const char *code : {"CN", "CZ", "HU", "RU", "SI", "JP", "PL", "SK", "SE", "BG", "HR", "KR", "RS", "TR"})
        QTest::newRow(code) << QString::fromLatin1(code) << none;
}

// Every entry of every language is translated: none is left unfinished, and
// none shows the English unless it is a term that stays as it is (units,
// product names, places) or was reviewed as the same in that language.
void TestTranslations::everyLanguageIsTranslated()
{
    QFETCH(QString, code);
    QFETCH(QStringList, same);
    static const QStringList everywhere = {
        "GPS", "RM-3", "FW: %1", "Debug", "OK", "Info", "Ref.", "Enter", "Shift", "Test", "Bluetooth ID Tx",
        "Bluetooth ID Rx", "Firmware", "Hardware", "Minimum", "Menu", "Sensor",
        // Time-zone places, spelled alike in many languages.
        "Arizona", "Manaus", "Magadan", "Darwin", "Bangkok", "Chicago", "Islamabad", "Sydney", "New York",
        "Novosibirsk", "Kabul", "Berlin", "Alaska", "Abu Dhabi", "Yangon", "Newfoundland", "London", "Hawaii",
        "New Delhi", "Hong Kong", "Tokyo", "Fiji", "Kathmandu", "Cairo", "Azores", "Pacific"};
    QMap<Key, Entry> entries;
    QVERIFY(readTs(tsPath(code), &entries));
    QStringList faults;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const QString where = it.key().first + QLatin1Char('/') + it.key().second;
        if (!it.value().finished)
            faults << where + QStringLiteral(" unfinished");
        const QString english = m_english.value(it.key()).text;
        if (it.value().text == english && !everywhere.contains(english) && !same.contains(english))
            faults << where + QStringLiteral(" is the English \"") + english + QLatin1Char('"');
    }
    QVERIFY2(faults.isEmpty(), qPrintable(code + QLatin1Char(' ') + faults.join(QStringLiteral("; "))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
