// The rendered icons and the style sheets of picture buttons.
#include "buttonstyle.h"
#include "resources.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextStream>
#include <QtTest>

class TestIcons : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { kx500InitResources(); }

    void renderedVariant_data();
    void renderedVariant();
    void styleSheetReferencesExistingVariants_data();
    void styleSheetReferencesExistingVariants();
    void buttonShowsStateColours_data();
    void buttonShowsStateColours();
};

namespace {

const QMap<QString, QRgb> kColours = {
    {QStringLiteral("ws"), qRgb(255, 255, 255)}, {QStringLiteral("sw"), qRgb(0, 0, 0)},
    {QStringLiteral("gr"), qRgb(128, 128, 128)}, {QStringLiteral("gn"), qRgb(0, 192, 0)},
    {QStringLiteral("rt"), qRgb(255, 0, 0)},     {QStringLiteral("bl"), qRgb(51, 153, 255)},
    {QStringLiteral("ge"), qRgb(255, 208, 0)},
};

bool near(QRgb a, QRgb b, int tolerance)
{
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
           && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

const QString kMenuSheet = ButtonStyle::menuButton(QStringLiteral("Mainmenu"), QStringLiteral("Pinpointing"));
const QString kBarSheet = ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Home"), 44);

} // namespace

void TestIcons::renderedVariant_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<QSize>("size");

    QFile manifest(QStringLiteral(KX500_ICON_MANIFEST));
    QVERIFY2(manifest.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(manifest.fileName()));
    QTextStream in(&manifest);
    while (!in.atEnd()) {
        const QStringList f = in.readLine().section(QLatin1Char('#'), 0, 0)
                                  .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (f.isEmpty())
            continue;
        QCOMPARE(f.size(), 5);
        for (const QString &code : f[2].split(QLatin1Char(','))) {
            const QString resource = QString(f[0]).replace(QStringLiteral("{c}"), code);
            QTest::newRow(qPrintable(resource)) << QStringLiteral(":/Resources/Icons/") + resource
                                                << kColours.value(code) << QSize(f[3].toInt(), f[4].toInt());
        }
    }
}

void TestIcons::renderedVariant()
{
    QFETCH(QString, resource);
    QFETCH(QRgb, colour);
    QFETCH(QSize, size);

    QImage image(resource);
    QVERIFY2(!image.isNull(), qPrintable(resource));
    QCOMPARE(image.size(), size);
    image = image.convertToFormat(QImage::Format_ARGB32);

    // Edge pixels are blended; the solid part must be the variant's colour.
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 128)
                continue;
            ++opaque;
            if (!near(p, colour, 8))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(QColor(p).name())));
        }
    }
    // A readable pictogram, neither a few dots nor a filled canvas.
    const int area = size.width() * size.height();
    QVERIFY2(opaque > area / 20 && opaque < area * 3 / 4, qPrintable(QString::number(opaque)));
}

void TestIcons::styleSheetReferencesExistingVariants_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::newRow("menu button") << kMenuSheet;
    QTest::newRow("management button") << ButtonStyle::menuButton(QStringLiteral("Management"), QStringLiteral("Gps"));
    QTest::newRow("bar button") << kBarSheet;
}

void TestIcons::styleSheetReferencesExistingVariants()
{
    QFETCH(QString, sheet);

    const QRegularExpression block(QStringLiteral("QPushButton(:\\w+)?\\s*\\{([^}]*)\\}"));
    const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
    QSet<QString> states;
    auto blocks = block.globalMatch(sheet);
    while (blocks.hasNext()) {
        const auto b = blocks.next();
        const QString state = b.captured(1);
        states.insert(state);
        const auto u = url.match(b.captured(2));
        if (!u.hasMatch())
            continue;
        const QString file = u.captured(1);
        QVERIFY2(QFile::exists(file), qPrintable(file));
        const QString variant = state == QLatin1String(":pressed") ? QStringLiteral("_sw") : QStringLiteral("_ws");
        QVERIFY2(file.contains(variant), qPrintable(state + QLatin1Char(' ') + file));
    }
    QCOMPARE(states, (QSet<QString>{QString(), QStringLiteral(":focus"), QStringLiteral(":hover"),
                                    QStringLiteral(":pressed")}));
}

void TestIcons::buttonShowsStateColours_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<QRgb>("picture");

    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    const QRgb focus = qRgb(105, 146, 239), pressed = qRgb(200, 200, 200);
    QTest::newRow("menu normal") << kMenuSheet << "normal" << black << white;
    QTest::newRow("menu focus") << kMenuSheet << "focus" << focus << white;
    QTest::newRow("menu pressed") << kMenuSheet << "pressed" << pressed << black;
    QTest::newRow("bar focus") << kBarSheet << "focus" << focus << white;
    QTest::newRow("bar pressed") << kBarSheet << "pressed" << pressed << black;
}

void TestIcons::buttonShowsStateColours()
{
    QFETCH(QString, sheet);
    QFETCH(QString, state);
    QFETCH(QRgb, background);
    QFETCH(QRgb, picture);

    QWidget window;
    QPushButton button(&window);
    QPushButton other(&window);
    button.setStyleSheet(sheet);
    button.setGeometry(0, 0, 150, 110);
    other.setGeometry(0, 120, 10, 10);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    (state == QLatin1String("focus") ? button : other).setFocus();
    button.setDown(state == QLatin1String("pressed"));

    const QImage shot = button.grab().toImage();
    const QRgb seen = shot.pixel(2, 55);
    QVERIFY2(near(seen, background, 2), qPrintable(QColor(seen).name()));
    // The picture is drawn in its state's colour somewhere in the top half.
    bool found = false;
    for (int y = 0; y < 55 && !found; ++y)
        for (int x = 0; x < shot.width() && !found; ++x)
            found = near(shot.pixel(x, y), picture, 8);
    QVERIFY(found);
}

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
