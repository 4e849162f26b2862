#include "displaypanel.h"
#include "form1.h"
#include "imagecontrol.h"
#include "label.h"
#include "modalanswerer.h"
#include "palettepanel.h"
#include "swatch.h"
#include "windowlayer.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QtTest>
#include <memory>

using colourcode::Colour;

Q_DECLARE_METATYPE(colourcode::BandState)

namespace {

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
    // A pointer move to a point of the widget, with these buttons down.
    static void dragTo(QWidget* widget, const QPoint& point, Qt::MouseButtons buttons)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(point), widget->mapToGlobal(QPointF(point)), Qt::NoButton,
                         buttons, {});
        QApplication::sendEvent(widget, &move);
    }

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

    void cornersAreNeitherDrawnNorHit()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(form->windowHandle()->handle());
        const QRegion mask = form->mask();
        const QImage drawn = form->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        for (QPoint outside :
             {QPoint(0, 0), QPoint(399, 0), QPoint(0, 399), QPoint(399, 399), QPoint(200, 0), QPoint(5, 5)}) {
            const QString where = QStringLiteral("%1,%2").arg(outside.x()).arg(outside.y());
            QVERIFY2(!mask.contains(outside), qPrintable(where));
            QVERIFY2(qAlpha(drawn.pixel(outside)) == 0, qPrintable(where));
        }
        for (QPoint inside : {QPoint(200, 200), QPoint(20, 20), QPoint(200, 4), QPoint(380, 380)})
            QVERIFY2(mask.contains(inside),
                     qPrintable(QStringLiteral("%1,%2").arg(inside.x()).arg(inside.y())));
        // The colour that once stood for "not drawn" is drawn nowhere.
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x)
                QVERIFY(drawn.pixelColor(x, y) != Form1::kKeyColour);
        }
    }

    // A window pixel at twice the scale covers four picture pixels.
    void shapeFollowsThePicturesAlpha_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<int>("covered"); // picture pixels of the window pixel (0, 0) that have that alpha
        QTest::addColumn<bool>("blended");
        QTest::addColumn<bool>("shown");
        QTest::newRow("opaque") << 1 << 255 << 1 << false << true;
        QTest::newRow("see-through") << 1 << 0 << 1 << true << false;
        QTest::newRow("soft edge, blended") << 1 << 100 << 1 << true << true;
        QTest::newRow("soft edge, not blended") << 1 << 100 << 1 << false << false;
        QTest::newRow("twice the scale, whole") << 2 << 255 << 4 << false << true;
        QTest::newRow("twice the scale, partly, blended") << 2 << 255 << 1 << true << true;
        QTest::newRow("twice the scale, partly, not blended") << 2 << 255 << 3 << false << false;
    }
    void shapeFollowsThePicturesAlpha()
    {
        QFETCH(int, scale);
        QFETCH(int, alpha);
        QFETCH(int, covered);
        QFETCH(bool, blended);
        QImage picture(4 * scale, 4 * scale, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        for (int pixel = 0; pixel < covered; ++pixel)
            picture.setPixel(pixel % scale, pixel / scale, qRgba(0, 0, 0, alpha));
        // The far corner is whole, so the region spans the picture.
        for (int pixel = 0; pixel < scale * scale; ++pixel)
            picture.setPixel(3 * scale + pixel % scale, 3 * scale + pixel / scale, qRgba(0, 0, 0, 255));
        picture.setDevicePixelRatio(scale);
        const QRegion region = WindowLayer::opaqueRegion(picture, blended);
        QTEST(region.contains(QPoint(0, 0)), "shown");
        QVERIFY(region.contains(QPoint(3, 3)));
        QCOMPARE(region.boundingRect().bottomRight(), QPoint(3, 3));
    }

    // The window moves only once the left button, still down, has passed the drag distance, and stops
    // with the release.
    void leftDragOnTheBackgroundMovesTheWindow_data()
    {
        const int near = QApplication::startDragDistance() - 1;
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("drag");
        QTest::addColumn<bool>("releasedFirst");
        QTest::addColumn<bool>("moves");
        QTest::newRow("left on background")
            << "Picture14" << Qt::LeftButton << QPoint(30, 20) << false << true;
        QTest::newRow("left within the drag distance")
            << "Picture14" << Qt::LeftButton << QPoint(near, 0) << false << false;
        QTest::newRow("left click, then the pointer moves")
            << "Picture14" << Qt::LeftButton << QPoint(30, 20) << true << false;
        QTest::newRow("right on background")
            << "Picture14" << Qt::RightButton << QPoint(30, 20) << false << false;
        QTest::newRow("middle on background")
            << "Picture14" << Qt::MiddleButton << QPoint(30, 20) << false << false;
        QTest::newRow("left on title") << "Label1" << Qt::LeftButton << QPoint(30, 20) << false << false;
        QTest::newRow("left on display") << "lblValore" << Qt::LeftButton << QPoint(30, 20) << false << false;
        QTest::newRow("left on prompt") << "Ind" << Qt::LeftButton << QPoint(30, 20) << false << false;
    }
    void leftDragOnTheBackgroundMovesTheWindow()
    {
        QFETCH(QString, control);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, drag);
        QFETCH(bool, releasedFirst);
        QFETCH(bool, moves);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QWidget* target = child(control);
        const QPoint start = form->pos();
        const QPoint press = control == "Picture14" ? QPoint(200, 240) : QPoint(3, 3);
        QTest::mousePress(target, button, {}, press);
        if (releasedFirst)
            QTest::mouseRelease(target, button, {}, press);
        dragTo(target, press + drag, releasedFirst ? Qt::NoButton : button);
        QTest::mouseRelease(target, button, {}, press + drag);
        QCOMPARE(form->pos(), moves ? start + drag : start);
        // After the release the pointer moves on alone.
        dragTo(target, press + drag + QPoint(40, 40), Qt::NoButton);
        QCOMPARE(form->pos(), moves ? start + drag : start);
    }

    void dragStopsWithTheHeaderOnTheScreen()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const QRect screen = form->screen()->geometry();
        QWidget* background = child("Picture14");
        const QPoint press(385, 390);
        QTest::mousePress(background, Qt::LeftButton, {}, press);
        dragTo(background, background->mapFromGlobal(screen.topLeft()), Qt::LeftButton);
        QCOMPARE(form->pos(), screen.topLeft());
        dragTo(background, background->mapFromGlobal(screen.bottomRight() + QPoint(500, 500)),
               Qt::LeftButton);
        QCOMPARE(form->pos(), screen.bottomRight() + QPoint(1 - form->width(), 1 - 40));
        QTest::mouseRelease(background, Qt::LeftButton);
    }

    // The keys reach the core: a pasted code is painted with its tolerance letter, Page Up steps through
    // the series, Ctrl+C copies the line back; refused pastes and drops change nothing.
    void clipboardAndStandardValueKeys()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QClipboard* clipboard = QGuiApplication::clipboard();
        ModalAnswerer answerer;
        clipboard->setText(QStringLiteral(" 4K7K\n"));
        QTest::keySequence(form.get(), QKeySequence::Paste);
        expectBands({"giallo", "viola", "niente", "rosso", "argento", "niente"});
        QWidget* display = child(QStringLiteral("Picture13"));
        QCOMPARE(display->toolTip(), QStringLiteral("Valore normalizzato della serie E12"));
        QCOMPARE(display->accessibleDescription(), display->toolTip());

        QTest::keyClick(form.get(), Qt::Key_PageUp);
        QCOMPARE(text("lblValore"), QStringLiteral("5,6 "));
        QTest::keySequence(form.get(), QKeySequence::Copy);
        QCOMPARE(clipboard->text(),
                 QStringLiteral("5,6 K\u03a9 \u00b1 10% \u2013 verde, azzurro, rosso, argento \u2013 5K6K"));
        QCOMPARE(answerer.count, 0);

        const colourcode::BandState before = form->bandState();
        clipboard->setText(QStringLiteral("1255"));
        QTest::keySequence(form.get(), QKeySequence::Paste);
        QCOMPARE(answerer.count, 1);
        QVERIFY(answerer.text.contains(QStringLiteral("tre cifre significative")));
        const auto dropText = [this](const QString& text) {
            QMimeData data;
            data.setText(text);
            QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(form.get(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(form.get(), &drop);
        };
        dropText(QStringLiteral("4,7 ohm!"));
        QCOMPARE(answerer.count, 2);
        QCOMPARE(answerer.icon, QMessageBox::Warning);
        QCOMPARE(form->bandState(), before);
        expectBands({"verde", "azzurro", "niente", "rosso", "argento", "niente"});

        dropText(QStringLiteral("4.7 k\u03a9"));
        QCOMPARE(text("lblValore"), QStringLiteral("4,7 "));
        QCOMPARE(display->toolTip(), QStringLiteral("Valore normalizzato della serie E12"));
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
