#include "displaypanel.h"
#include "form1.h"
#include "imagecontrol.h"
#include "label.h"
#include "modalanswerer.h"
#include "palettepanel.h"
#include "swatch.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QtTest>
#include <memory>

using colourcode::Colour;

Q_DECLARE_METATYPE(colourcode::BandState)

namespace {

// A window manager that cannot read the window's style.
class BrokenLayer : public WindowLayer
{
public:
    std::uint32_t windowLong(Index) override { return 0; }
    std::uint32_t setWindowLong(Index, std::uint32_t) override { return 0; }
    void setLayeredWindowAttributes(QColor, int, std::uint32_t) override { }
    void releaseCapture() override { }
    bool sendMessage(unsigned, int, long) override { return false; }
};

Colour colourNamed(const QString& name)
{
    for (Colour colour : colourcode::kAllColours) {
        if (QString::fromLatin1(colourcode::colourName(colour)) == name)
            return colour;
    }
    qFatal("no colour %s", qPrintable(name));
}

const QStringList kXNames {"xnero",    "xmarrone", "xrosso",  "xarancio", "xgiallo", "xverde",
                           "xazzurro", "xviola",   "xgrigio", "xbianco",  "xoro",    "xargento"};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    template <typename T = QWidget> T* child(const QString& name) const
    {
        auto* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString text(const QString& label) const { return child<QLabel>(label)->text(); }
    void click(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    QImage bandPicture(int band) const
    {
        return child<ImageControl>(QStringLiteral("Banda%1").arg(band))->picture().toImage();
    }
    QImage colourPicture(const char* colour) const
    {
        return child<ImageControl>(colour)->picture().toImage();
    }
    void expectBands(const std::array<const char*, 6>& colours) const
    {
        for (int band = 1; band <= 6; ++band)
            QVERIFY2(bandPicture(band) == colourPicture(colours[band - 1]),
                     qPrintable(QStringLiteral("band %1 should show %2").arg(band).arg(colours[band - 1])));
    }
    QStringList shownXs() const
    {
        QStringList shown;
        for (const QString& name : kXNames) {
            if (child<QLabel>(name)->isVisibleTo(form.get()))
                shown << name;
        }
        return shown;
    }
    QStringList disabledSwatches() const
    {
        QStringList disabled;
        for (Swatch* swatch : form->findChildren<Swatch*>()) {
            if (!swatch->isEnabled())
                disabled << swatch->refusedMark()->objectName();
        }
        return disabled;
    }
    void chooseType(const char* item) { child<QAction>(QLatin1String(item))->trigger(); }

private slots:
    void init()
    {
        form = std::make_unique<Form1>();
        QVERIFY(form->load());
    }
    void cleanup() { form.reset(); }

    void startsAsTheDefaultFourBandResistorWithDesignCaptions()
    {
        const colourcode::BandState& state = form->bandState();
        QCOMPARE(state.TipoRes, 4);
        QCOMPARE(state.BC, 200.0);
        QCOMPARE(state.iBanda, 0);
        QCOMPARE(text("lblValore"), QStringLiteral("0.00 "));
        QCOMPARE(text("lblOhm"), QStringLiteral("\u03a9"));
        QCOMPARE(text("lbltoll"), QStringLiteral("\u00b1"));
        QCOMPARE(text("lblcoeff"), QStringLiteral("--- ppm/k"));
        QCOMPARE(text("Ind"), QStringLiteral("clicca sulla banda"));
        QVERIFY(!child<PalettePanel>("Picture1")->isOpen());
        QVERIFY(shownXs().isEmpty());
        QVERIFY(disabledSwatches().isEmpty());
        expectBands({"nero", "nero", "niente", "nero", "oro", "niente"});
        for (Colour colour : colourcode::kAllColours)
            QVERIFY(!child(QString::fromLatin1(colourcode::colourName(colour)))->isVisibleTo(form.get()));
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
    }

    // Which colours each band refuses, written out independently of the colour table.
    void bandClickMarksRefusedColours_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<QStringList>("refused");
        QTest::newRow("1") << 1 << QStringList {"xnero", "xoro", "xargento"};
        QTest::newRow("2") << 2 << QStringList {"xoro", "xargento"};
        QTest::newRow("3") << 3 << QStringList {"xoro", "xargento"};
        QTest::newRow("4") << 4 << QStringList {"xgrigio", "xbianco"};
        QTest::newRow("5") << 5 << QStringList {"xnero", "xarancio", "xgiallo", "xgrigio", "xbianco"};
        QTest::newRow("6") << 6 << QStringList {"xverde",  "xazzurro", "xviola",  "xgrigio",
                                                "xbianco", "xoro",     "xargento"};
    }
    void bandClickMarksRefusedColours()
    {
        QFETCH(int, band);
        QFETCH(QStringList, refused);
        // A different band first: its refusals must not add up with this one's.
        click(QStringLiteral("Banda%1").arg(band == 1 ? 6 : 1));
        click(QStringLiteral("Banda%1").arg(band));
        click(QStringLiteral("Banda%1").arg(band));
        QCOMPARE(shownXs(), refused);
        QStringList disabled = disabledSwatches();
        disabled.sort();
        refused.sort();
        QCOMPARE(disabled, refused);
        QVERIFY(child<PalettePanel>("Picture1")->isOpen());
        QCOMPARE(text("Ind"), QStringLiteral("scegli il colore"));
        QCOMPARE(form->bandState().iBanda, band);
    }

    void swatchPaintsTheSelectedBand_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<QString>("coefficient");
        QTest::newRow("red second digit") << 4 << 2 << "Picture4"
                                          << "rosso"
                                          << "2 "
                                          << "\u03a9"
                                          << "\u00b1 5%"
                                          << "-- ppm/k";
        QTest::newRow("yellow multiplier") << 4 << 4 << "Picture15"
                                           << "giallo"
                                           << "0 "
                                           << "\u03a9"
                                           << "\u00b1 5%"
                                           << "-- ppm/k";
        QTest::newRow("gold multiplier") << 4 << 4 << "Picture11"
                                         << "oro"
                                         << "0 "
                                         << "\u03a9"
                                         << "\u00b1 5%"
                                         << "-- ppm/k";
        QTest::newRow("silver tolerance") << 4 << 5 << "Picture12"
                                          << "argento"
                                          << "0 "
                                          << "\u03a9"
                                          << "\u00b1 10%"
                                          << "-- ppm/k";
        QTest::newRow("blue tolerance") << 5 << 5 << "Picture7"
                                        << "azzurro"
                                        << "0 "
                                        << "\u03a9"
                                        << "\u00b1 0,25%"
                                        << "-- ppm/k";
        QTest::newRow("third digit ignored on four bands") << 4 << 3 << "Picture10"
                                                           << "bianco"
                                                           << "0 "
                                                           << "\u03a9"
                                                           << "\u00b1 5%"
                                                           << "-- ppm/k";
        QTest::newRow("third digit on five bands") << 5 << 3 << "Picture10"
                                                   << "bianco"
                                                   << "9 "
                                                   << "\u03a9"
                                                   << "\u00b1 5%"
                                                   << "-- ppm/k";
        QTest::newRow("coefficient hidden on five bands") << 5 << 6 << "Picture15"
                                                          << "giallo"
                                                          << "0 "
                                                          << "\u03a9"
                                                          << "\u00b1 5%"
                                                          << "-- ppm/k";
        QTest::newRow("yellow coefficient") << 6 << 6 << "Picture15"
                                            << "giallo"
                                            << "0 "
                                            << "\u03a9"
                                            << "\u00b1 5%"
                                            << "15 ppm/k";
        QTest::newRow("first digit") << 4 << 1 << "Picture3"
                                     << "marrone"
                                     << "10 "
                                     << "\u03a9"
                                     << "\u00b1 5%"
                                     << "-- ppm/k";
    }
    void swatchPaintsTheSelectedBand()
    {
        QFETCH(int, type);
        QFETCH(int, band);
        QFETCH(QString, swatch);
        QFETCH(QString, colour);
        chooseType(type == 4 ? "mnu4baned" : type == 5 ? "mnu5bande" : "mnu6bande");
        click(QStringLiteral("Banda%1").arg(band));
        click(swatch);
        QCOMPARE(bandPicture(band), child<ImageControl>(colour)->picture().toImage());
        const Colour painted = colourNamed(colour);
        QCOMPARE(colourcode::bandVariable(form->bandState(), band), *colourcode::bandMeaning(painted, band));
        QTEST(text("lblValore"), "value");
        QTEST(text("lblOhm"), "unit");
        QTEST(text("lbltoll"), "tolerance");
        QTEST(text("lblcoeff"), "coefficient");
        QVERIFY(!child<PalettePanel>("Picture1")->isOpen());
        QCOMPARE(text("Ind"), QStringLiteral("clicca sulla banda"));
        QCOMPARE(form->bandState().iBanda, band); // stays selected after the colour is chosen
    }

    void swatchWithoutSelectedBandOnlyRecomputes()
    {
        click("Picture4");
        expectBands({"nero", "nero", "niente", "nero", "oro", "niente"});
        QCOMPARE(form->bandState(), colourcode::BandState {});
        QCOMPARE(text("lblValore"), QStringLiteral("0 "));
        QCOMPARE(text("lblcoeff"), QStringLiteral("-- ppm/k"));
        QCOMPARE(text("Ind"), QStringLiteral("clicca sulla banda"));
    }

    void refusedSwatchIgnoresClicks()
    {
        click("Banda1");
        click("Picture2"); // black cannot be a first digit
        QVERIFY(child<PalettePanel>("Picture1")->isOpen());
        QCOMPARE(bandPicture(1), colourPicture("nero"));
        QCOMPARE(text("lblValore"), QStringLiteral("0.00 "));
    }

    void typeMenuResetsToTheTypeDefaults_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("band3");
        QTest::addColumn<QString>("band6");
        QTest::addColumn<QString>("coefficient");
        QTest::newRow("4") << "mnu4baned" << 4 << "niente"
                           << "niente"
                           << "-- ppm/k";
        QTest::newRow("5") << "mnu5bande" << 5 << "nero"
                           << "niente"
                           << "-- ppm/k";
        QTest::newRow("6") << "mnu6bande" << 6 << "nero"
                           << "nero"
                           << "200 ppm/k";
    }
    void typeMenuResetsToTheTypeDefaults()
    {
        QFETCH(QString, item);
        QFETCH(int, type);
        QFETCH(QString, band3);
        QFETCH(QString, band6);
        // A built resistor with an open palette on band 2.
        click("Banda6");
        click("Picture4");
        click("Banda1");
        click("Picture8");
        click("Banda2");
        for (int repeat = 0; repeat < 2; ++repeat) {
            chooseType(qPrintable(item));
            QCOMPARE(bandPicture(3), colourPicture(qPrintable(band3)));
            QCOMPARE(bandPicture(6), colourPicture(qPrintable(band6)));
            for (int band : {1, 2, 4})
                QCOMPARE(bandPicture(band), colourPicture("nero"));
            QCOMPARE(bandPicture(5), colourPicture("oro"));
            colourcode::BandState expected;
            expected.TipoRes = type;
            expected.iBanda = 2;
            QCOMPARE(form->bandState(), expected);
            QCOMPARE(text("lblValore"), QStringLiteral("0 "));
            QCOMPARE(text("lbltoll"), QStringLiteral("\u00b1 5%"));
            QTEST(text("lblcoeff"), "coefficient");
            // The palette opened for band 2 stays open with its marks.
            QVERIFY(child<PalettePanel>("Picture1")->isOpen());
            QCOMPARE(shownXs(), (QStringList {"xoro", "xargento"}));
        }
        click("Picture5");
        QCOMPARE(bandPicture(2), colourPicture("arancione"));
        QCOMPARE(form->bandState().B2, 3);
    }

    void bracketOpensTheTypeMenu()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        click("Image4");
        auto* menu = child<QMenu>("mnuprinc");
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        QCOMPARE(form->bandState(), colourcode::BandState {});
    }

    void failingWindowManagerEndsTheProgram()
    {
        Form1 broken(std::make_unique<BrokenLayer>());
        broken.show();
        ModalAnswerer answerer;
        QVERIFY(!broken.load());
        QCOMPARE(answerer.count, 1);
        QCOMPARE(answerer.text, QStringLiteral("Errore durante il caricamento."));
        QCOMPARE(answerer.icon, QMessageBox::Critical);
        QCOMPARE(answerer.title, QStringLiteral("Codicolorimetrix"));
        QVERIFY(!broken.isVisible());
    }

    void keyColourIsCutOutOfTheWindow()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QRegion mask = form->mask();
        for (QPoint outside :
             {QPoint(0, 0), QPoint(399, 0), QPoint(0, 399), QPoint(399, 399), QPoint(200, 0)})
            QVERIFY2(!mask.contains(outside),
                     qPrintable(QStringLiteral("%1,%2").arg(outside.x()).arg(outside.y())));
        for (QPoint inside : {QPoint(200, 200), QPoint(20, 20), QPoint(200, 4), QPoint(380, 380)})
            QVERIFY2(mask.contains(inside),
                     qPrintable(QStringLiteral("%1,%2").arg(inside.x()).arg(inside.y())));
        // Nothing inside the panel is drawn in the key colour.
        const QImage drawn = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const QRect& part : mask) {
            for (int y = part.top(); y <= part.bottom(); ++y) {
                for (int x = part.left(); x <= part.right(); ++x)
                    QVERIFY(drawn.pixelColor(x, y) != Form1::kKeyColour);
            }
        }
    }

    void leftPressOnTheBackgroundMovesTheWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("moves");
        QTest::newRow("left on background") << "Picture14" << Qt::LeftButton << true;
        QTest::newRow("right on background") << "Picture14" << Qt::RightButton << false;
        QTest::newRow("middle on background") << "Picture14" << Qt::MiddleButton << false;
        QTest::newRow("left on title") << "Label1" << Qt::LeftButton << false;
        QTest::newRow("left on display") << "lblValore" << Qt::LeftButton << false;
        QTest::newRow("left on prompt") << "Ind" << Qt::LeftButton << false;
    }
    void leftPressOnTheBackgroundMovesTheWindow()
    {
        QFETCH(QString, control);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, moves);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QWidget* target = child(control);
        const QPoint start = form->pos();
        const QPoint press = control == "Picture14" ? QPoint(200, 240) : QPoint(3, 3);
        QTest::mousePress(target, button, {}, press);
        QMouseEvent drag(QEvent::MouseMove, QPointF(press + QPoint(30, 20)),
                         target->mapToGlobal(QPointF(press + QPoint(30, 20))), button, button, {});
        QApplication::sendEvent(target, &drag);
        QTest::mouseRelease(target, button, {}, press + QPoint(30, 20));
        QCOMPARE(form->pos(), moves ? start + QPoint(30, 20) : start);
    }

    void closeImageEndsTheProgram()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        click("Image2");
        QVERIFY(!form->isVisible());
    }

    // The widest texts the display can show stay on its screen in whatever face the system gives; the
    // test also runs with only DejaVu fonts installed, which are wider than the design's.
    void displayTextsFitTheirBoxes_data()
    {
        QTest::addColumn<colourcode::BandState>("state");
        // iBanda, TipoRes, B1, B2, B3, BM, BT, BC
        QTest::newRow("9990 MOhm, 0,25%, 100 ppm/k") << colourcode::BandState {0, 6, 9, 9, 9, 1e7, 0.25, 100};
        QTest::newRow("4,75 KOhm, 10%, --") << colourcode::BandState {0, 5, 4, 7, 5, 10, 10, 200};
    }
    void displayTextsFitTheirBoxes()
    {
        QFETCH(colourcode::BandState, state);
        form->applyEncoding({"", {}, state});
        const QRect screen = DisplayPanel::kScreen;
        for (const char* name : {"Label5", "Label6", "lblValore", "lblOhm", "lbltoll", "lblcoeff"}) {
            const auto* label = child<QLabel>(QLatin1String(name));
            QVERIFY2(textFits(label->font(), label->text(), label->contentsRect().size()), name);
            QVERIFY2(label->x() >= screen.left() && label->geometry().right() <= screen.right(), name);
        }
        // The two overlapping boxes: the value's digits end before the unit begins.
        const auto* value = child<QLabel>("lblValore");
        const auto* unit = child<QLabel>("lblOhm");
        const int digitsEnd
            = value->geometry().right() - value->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        const int unitStart = unit->geometry().right() - unit->fontMetrics().horizontalAdvance(unit->text());
        QVERIFY2(digitsEnd < unitStart, qPrintable(value->text() + unit->text()));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
