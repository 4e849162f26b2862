// The pictures as the window loads them from :/pictures, at both device pixel ratios: sizes, crisp
// masks (soft only along the window's own outline), the colours the design fixes, a resistor that joins
// without seams, and that the generator still draws exactly the committed files, whichever processor routines
// Qt uses.

#include "picturecolours.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string_view>
#include <vector>

namespace {

constexpr int kBandMiddleRow = 42;

QColor colour(picturecolours::Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString bandFile(std::string_view name)
{
    return QStringLiteral("band_%1.png").arg(QLatin1String(name.data(), qsizetype(name.size())));
}

QStringList bandNames()
{
    QStringList names;
    for (const auto& band : picturecolours::kBandColours)
        names << QString::fromLatin1(band.name.data(), qsizetype(band.name.size()));
    return names << "oro"
                 << "argento"
                 << "niente";
}

struct Expected
{
    QString file;
    QSize size;
};

std::vector<Expected> expectedPictures()
{
    std::vector<Expected> pictures {
        {"background.png", {400, 400}}, {"thumbnail.png", {109, 22}}, {"close.png", {23, 23}},
        {"bracket.png", {180, 39}},     {"left_end.png", {127, 95}},  {"right_end.png", {138, 95}},
        {"display.png", {277, 87}},     {"gold.png", {37, 25}},       {"silver.png", {45, 25}},
        {"pointer.png", {32, 32}},      {"pointer16.png", {16, 16}},  {"icon16.png", {16, 16}},
        {"icon32.png", {32, 32}},       {"icon48.png", {48, 48}}};
    for (const QString& band : bandNames())
        pictures.push_back({QStringLiteral("band_%1.png").arg(band), {21, 95}});
    return pictures;
}

QString atScale(const QString& file, int scale)
{
    return scale == 1 ? file : QString(file).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
}

QImage picture(const QString& file, int scale = 1)
{
    return QImage(QStringLiteral(":/pictures/") + atScale(file, scale))
        .convertToFormat(QImage::Format_ARGB32);
}

QString describe(QRgb pixel)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(qRed(pixel))
        .arg(qGreen(pixel))
        .arg(qBlue(pixel))
        .arg(qAlpha(pixel));
}

// Checks every device pixel of the window pixel at (one at scale 1, a 2 x 2 block at scale 2).
QString firstMismatch(const QImage& image, QPoint at, int scale, const std::function<bool(QRgb)>& wanted)
{
    for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
            const QRgb pixel = image.pixel(at.x() * scale + dx, at.y() * scale + dy);
            if (!wanted(pixel))
                return QStringLiteral("at %1x, (%2, %3) is %4")
                    .arg(scale)
                    .arg(at.x())
                    .arg(at.y())
                    .arg(describe(pixel));
        }
    }
    return {};
}

// True when the two pictures agree on every device pixel of the window pixel at.
bool sameAt(const QImage& a, const QImage& b, QPoint at, int scale)
{
    for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
            const QPoint device(at.x() * scale + dx, at.y() * scale + dy);
            if (a.pixel(device) != b.pixel(device))
                return false;
        }
    }
    return true;
}

void addScaleRows()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

bool isGrey(QRgb pixel)
{
    return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
}

// Runs program to its end; gives what went wrong, or an empty text.
QString runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return program + QStringLiteral(" did not finish");
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

// Which pixels of drawn differ from expected and by how much, or an empty text when none does.
QString pixelDifferences(const QImage& expected, const QImage& drawn)
{
    if (drawn.size() != expected.size())
        return QStringLiteral("%1 x %2 instead of %3 x %4")
            .arg(drawn.width())
            .arg(drawn.height())
            .arg(expected.width())
            .arg(expected.height());
    constexpr int kShown = 3;
    int count = 0;
    int largest = 0;
    QStringList shown;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            const QRgb got = drawn.pixel(x, y);
            if (want == got)
                continue;
            ++count;
            largest
                = std::max({largest, std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                            std::abs(qBlue(want) - qBlue(got)), std::abs(qAlpha(want) - qAlpha(got))});
            if (shown.size() < kShown)
                shown << QStringLiteral("(%1, %2) %3 instead of %4")
                             .arg(x)
                             .arg(y)
                             .arg(describe(got), describe(want));
        }
    }
    if (count == 0)
        return {};
    return (count == 1 ? QStringLiteral("1 pixel differs") : QStringLiteral("%1 pixels differ").arg(count))
        + QStringLiteral(", by up to %1 in a channel: %2%3")
              .arg(largest)
              .arg(shown.join(QStringLiteral(", ")), count > kShown ? QStringLiteral(", ...") : QString());
}

// One line for each of files that differs between the two folders.
QStringList compareAll(const QStringList& files, const QString& expectedFolder, const QString& drawnFolder)
{
    QStringList differences;
    for (const QString& file : files) {
        const auto load = [&file](const QString& folder) {
            return QImage(QDir(folder).filePath(file)).convertToFormat(QImage::Format_ARGB32);
        };
        const QString difference = pixelDifferences(load(expectedFolder), load(drawnFolder));
        if (!difference.isEmpty())
            differences << file + QStringLiteral(": ") + difference;
    }
    return differences;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void resourcesAreComplete();
    void everyPicture_data();
    void everyPicture();
    void transparency_data();
    void transparency();
    void colours_data();
    void colours();
    void bandShape_data();
    void bandShape();
    void resistorIsOneBody_data();
    void resistorIsOneBody();
    void headerIsGradientAroundLogo_data();
    void headerIsGradientAroundLogo();
    void generatorRedrawsCommittedPictures();
    void generatorIgnoresQtProcessorRoutines();
};

void TestAssets::resourcesAreComplete()
{
    QStringList expected;
    for (const Expected& picture : expectedPictures())
        expected << picture.file << atScale(picture.file, 2);
    expected.sort();
    QCOMPARE(QDir(QStringLiteral(":/pictures")).entryList(QDir::Files, QDir::Name), expected);
}

void TestAssets::everyPicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    for (const Expected& picture : expectedPictures()) {
        for (const int scale : {1, 2}) {
            const QString file = atScale(picture.file, scale);
            QTest::newRow(qPrintable(file)) << file << picture.size * scale;
        }
    }
}

// Right size, a mask without half-transparent edges, and no key colour. The window's own background
// alone keeps its antialiased edge, and only on the black outline, so that a window cut at half
// coverage shows the same black rim as a blended one.
void TestAssets::everyPicture()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QImage image = picture(file);
    QVERIFY2(!image.isNull(), "missing from the resources");
    QCOMPARE(image.size(), size);
    const bool softOutline = file.startsWith(QLatin1String("background"));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool crisp = qAlpha(pixel) == 0 || qAlpha(pixel) == 255;
            const bool outline = softOutline && (pixel & RGB_MASK) == 0;
            if (!(crisp || outline) || pixel == colour(picturecolours::kKey).rgb())
                QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(describe(pixel))));
        }
    }
}

void TestAssets::transparency_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("transparent");
    struct Probe
    {
        const char* file;
        bool transparent;
        std::vector<QPoint> points;
    };
    const std::vector<Probe> probes {
        // Background: see-through outside the rounded outline on columns 3-396 and rows 2-396.
        {"background.png", true, {{0, 0}, {399, 0}, {0, 399}, {399, 399}, {5, 4}}},
        {"background.png", true, {{2, 200}, {397, 200}, {200, 1}, {200, 397}}},
        {"background.png", false, {{3, 200}, {396, 200}, {200, 2}, {200, 396}, {200, 300}}},
        // Bracket: 2-pixel strokes on columns 5-6 and 173-174 from row 4, turning into rows 30-31.
        {"bracket.png", false, {{5, 4}, {6, 15}, {173, 15}, {174, 15}, {18, 30}, {18, 31}}},
        {"bracket.png", true, {{0, 0}, {5, 3}, {4, 15}, {7, 15}, {172, 15}, {175, 15}}},
        {"bracket.png", true, {{18, 29}, {18, 32}, {90, 10}, {90, 38}}},
        // Ends: leads on rows 38-46 out to columns 8 and 133, caps on rows 3-81, body rows 9-75 at the join.
        {"left_end.png", false, {{8, 42}, {30, 38}, {30, 46}, {90, 3}, {90, 81}}},
        {"left_end.png", true, {{0, 0}, {7, 42}, {30, 37}, {30, 47}, {90, 2}, {90, 82}}},
        {"left_end.png", false, {{126, 9}, {126, 75}}},
        {"left_end.png", true, {{126, 8}, {126, 76}}},
        {"right_end.png", false, {{133, 42}, {100, 38}, {40, 3}, {40, 81}, {0, 9}, {0, 75}}},
        {"right_end.png", true, {{134, 42}, {137, 0}, {100, 37}, {100, 47}, {40, 2}}},
        {"right_end.png", true, {{40, 82}, {0, 8}, {0, 76}}},
        // Pointers: an arrow on a see-through ground.
        {"pointer.png", true, {{0, 0}, {31, 0}, {0, 31}, {31, 31}}},
        {"pointer.png", false, {{16, 4}, {13, 25}}},
        {"pointer16.png", true, {{0, 0}, {15, 0}, {0, 15}, {15, 15}}},
        {"pointer16.png", false, {{8, 3}}},
    };
    for (const Probe& probe : probes) {
        for (const QPoint at : probe.points)
            QTest::addRow("%s (%d, %d)", probe.file, at.x(), at.y())
                << QString(probe.file) << at << probe.transparent;
    }
}

void TestAssets::transparency()
{
    QFETCH(QString, file);
    QFETCH(QPoint, at);
    QFETCH(bool, transparent);
    for (const int scale : {1, 2}) {
        const QString mismatch = firstMismatch(picture(file, scale), at, scale, [transparent](QRgb pixel) {
            // Less than half covered is outside the window's shape wherever it is cut.
            return (qAlpha(pixel) < 128) == transparent;
        });
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
}

void TestAssets::colours_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    const auto row = [](const QString& file, QPoint at, QColor expected) {
        QTest::addRow("%s (%d, %d)", qPrintable(file), at.x(), at.y()) << file << at << expected;
    };
    // Header gradient ends, the line under the header, outline and panel.
    row("background.png", QPoint(6, 60), QColor(221, 221, 221));
    row("background.png", QPoint(393, 60), QColor(93, 93, 93));
    row("background.png", QPoint(200, 88), Qt::black);
    row("background.png", QPoint(4, 200), Qt::black);
    row("background.png", QPoint(200, 300), QColor(253, 253, 253));
    row("close.png", QPoint(0, 0), QColor(105, 105, 105));
    row("close.png", QPoint(1, 11), Qt::white);
    row("close.png", QPoint(11, 2), QColor(236, 141, 118));
    row("close.png", QPoint(11, 20), QColor(224, 85, 50));
    // Display: white outside the frame, frame, screen.
    row("display.png", QPoint(0, 0), Qt::white);
    row("display.png", QPoint(0, 43), Qt::black);
    row("display.png", QPoint(6, 43), QColor(204, 204, 204));
    row("display.png", QPoint(138, 43), QColor(112, 124, 108));
    row("gold.png", QPoint(0, 0), colour(picturecolours::kGoldBright));
    row("silver.png", QPoint(0, 0), colour(picturecolours::kSilverBright));
    // Band colours on the middle rows; gold and silver are streaked.
    for (const auto& [name, rgb] : picturecolours::kBandColours)
        row(bandFile(name), QPoint(6, kBandMiddleRow), colour(rgb));
    row("band_niente.png", QPoint(6, kBandMiddleRow), colour(picturecolours::kBody));
    row("band_argento.png", QPoint(6, kBandMiddleRow), colour(picturecolours::kSilverDark));
    row("band_argento.png", QPoint(6, 44), colour(picturecolours::kSilverBright));
    row("band_oro.png", QPoint(6, 40), colour(picturecolours::kGoldDeep));
    row("band_oro.png", QPoint(6, 42), colour(picturecolours::kGoldBright));
    // Icon stripes, whole pixels wide: 3 from column 1 at 32, 4 from column 4 at 48.
    const std::vector<QColor> stripes {Qt::black,       {128, 0, 0}, {255, 0, 0}, {255, 170, 37},
                                       {255, 255, 0},   {0, 255, 0}, {0, 0, 255}, {220, 0, 220},
                                       {128, 128, 128}, Qt::white};
    for (int i = 0; i < 10; ++i) {
        row("icon32.png", QPoint(2 + 3 * i, 16), stripes[i]);
        row("icon48.png", QPoint(5 + 4 * i, 24), stripes[i]);
    }
}

void TestAssets::colours()
{
    QFETCH(QString, file);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    for (const int scale : {1, 2}) {
        const QString mismatch = firstMismatch(picture(file, scale), at, scale,
                                               [&expected](QRgb pixel) { return pixel == expected.rgb(); });
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
}

void TestAssets::bandShape_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<int>("scale");
    for (const QString& colour : bandNames()) {
        for (const int scale : {1, 2})
            QTest::addRow("%s %dx", qPrintable(colour), scale) << colour << scale;
    }
}

// A slice of the body, opaque on rows 9-75 only; its band lies on columns 2-11 of the middle row and
// bends right towards the top like "(", so the plain body shows at the left near the top.
void TestAssets::bandShape()
{
    QFETCH(QString, colour);
    QFETCH(int, scale);
    const QImage band = picture(QStringLiteral("band_%1.png").arg(colour), scale);
    const QImage body = picture(QStringLiteral("band_niente.png"), scale);
    for (int y = 0; y < band.height(); ++y) {
        const bool onBody = y >= 9 * scale && y < 76 * scale;
        for (int x = 0; x < band.width(); ++x)
            QVERIFY2((qAlpha(band.pixel(x, y)) == 255) == onBody,
                     qPrintable(QStringLiteral("row %1").arg(y)));
    }
    const auto sameAsBody
        = [&](int column, int row) { return sameAt(band, body, QPoint(column, row), scale); };
    const bool painted = colour != QStringLiteral("niente");
    for (int column = 0; column < 21; ++column) {
        const bool onBand = column >= 2 && column <= 11;
        QVERIFY2(sameAsBody(column, kBandMiddleRow) == (!painted || !onBand),
                 qPrintable(QString::number(column)));
    }
    for (int column = 0; column <= 6; ++column)
        QVERIFY2(sameAsBody(column, 10), qPrintable(QString::number(column)));
}

void TestAssets::resistorIsOneBody_data()
{
    addScaleRows();
}

// The body is lit by row only: each row of the empty band is one colour, and the ends continue it at
// the columns where they meet the bands (left end, bands, right end overlapping by one column).
void TestAssets::resistorIsOneBody()
{
    QFETCH(int, scale);
    const QImage body = picture(QStringLiteral("band_niente.png"), scale);
    const QImage left = picture(QStringLiteral("left_end.png"), scale);
    const QImage right = picture(QStringLiteral("right_end.png"), scale);
    for (int y = 0; y < body.height(); ++y) {
        const QString where = QStringLiteral("row %1").arg(y);
        for (int x = 1; x < body.width(); ++x)
            QVERIFY2(body.pixel(x, y) == body.pixel(0, y), qPrintable(where));
        QVERIFY2(left.pixel(left.width() - 1, y) == body.pixel(0, y), qPrintable(where));
        QVERIFY2(right.pixel(0, y) == body.pixel(body.width() - 1, y), qPrintable(where));
        for (const QString& colour : bandNames()) {
            const QImage band = picture(QStringLiteral("band_%1.png").arg(colour), scale);
            QVERIFY2(band.pixel(0, y) == body.pixel(0, y), qPrintable(colour + " " + where));
            QVERIFY2(band.pixel(band.width() - 1, y) == body.pixel(0, y), qPrintable(colour + " " + where));
        }
    }
}

void TestAssets::headerIsGradientAroundLogo_data()
{
    addScaleRows();
}

// Rows 5-87 are grey getting darker to the right, except inside the logo's box (columns 124-274,
// rows 9-48), which must hold the logo. Columns near the rounded corners are left out.
void TestAssets::headerIsGradientAroundLogo()
{
    QFETCH(int, scale);
    const QImage image = picture(QStringLiteral("background.png"), scale);
    const QRect logoBox(QPoint(124, 9) * scale, QPoint(275, 49) * scale - QPoint(1, 1));
    bool logoDrawn = false;
    for (int y = 5 * scale; y < 88 * scale; ++y) {
        int previous = 255;
        for (int x = 40 * scale; x < 360 * scale; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (logoBox.contains(x, y)) {
                logoDrawn = logoDrawn || !isGrey(pixel);
                continue;
            }
            const QString where = QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(describe(pixel));
            QVERIFY2(isGrey(pixel) && qRed(pixel) <= previous && qRed(pixel) >= 93, qPrintable(where));
            previous = qRed(pixel);
        }
    }
    QVERIFY(logoDrawn);
}

void TestAssets::generatorRedrawsCommittedPictures()
{
    QTemporaryDir drawn;
    QVERIFY(drawn.isValid());
    const QString failure = runProgram(QStringLiteral(ASSET_GENERATOR), {drawn.path()});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    const QStringList committed = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files, QDir::Name);
    QCOMPARE(QDir(drawn.path()).entryList(QDir::Files, QDir::Name), committed);
    const QStringList differences = compareAll(committed, QStringLiteral(":/pictures"), drawn.path());
    QVERIFY2(differences.isEmpty(),
             qPrintable(QStringLiteral("the generator no longer draws the committed pictures:\n")
                        + differences.join(u'\n')
                        + QStringLiteral("\nIf the generator was changed on purpose, redraw them with "
                                         "tools/generate-assets.sh and commit them with the change. If "
                                         "not, this machine draws differently from the one that drew "
                                         "them: a fault of the generator, which redrawing would hide.")));
}

// Qt chooses its blending and conversion routines by the processor's instruction set, and some of
// them round differently; a generator that left a stored pixel to one of them would draw other
// pictures on another processor. Drawing once on the routines this processor selects and once on the
// baseline ones must give the same pixels.
void TestAssets::generatorIgnoresQtProcessorRoutines()
{
    QTemporaryDir usual;
    QTemporaryDir baseline;
    QVERIFY(usual.isValid() && baseline.isValid());
    QString failure = runProgram(QStringLiteral(ASSET_GENERATOR), {usual.path()});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    failure = runProgram(QStringLiteral(BASELINE_CPU_GENERATOR),
                         {QStringLiteral(ASSET_GENERATOR_MODULE), baseline.path()});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    const QStringList files = QDir(usual.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(QDir(baseline.path()).entryList(QDir::Files, QDir::Name), files);
    const QStringList differences = compareAll(files, usual.path(), baseline.path());
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(u'\n')));
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
