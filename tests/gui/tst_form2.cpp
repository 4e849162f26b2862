#include "form1.h"
#include "form2.h"
#include "imagecontrol.h"
#include "modalanswerer.h"
#include "palettepanel.h"
#include "uitext.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

using Bands = QStringList; // colours of bands 1 to 6

struct Display
{
    QString value, unit, tolerance, coefficient;
};

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form1> form1;

    Form2* form2() const { return form1->findChild<Form2*>(QStringLiteral("Form2")); }
    template <typename T = QWidget> T* control(const char* name) const
    {
        auto* found = form2()->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit* valore() const { return control<QLineEdit>("Valore"); }
    QString label(const char* name) const { return form1->findChild<QLabel*>(QLatin1String(name))->text(); }

    void open()
    {
        QTest::mouseClick(form1->findChild<QWidget*>(QStringLiteral("Picture16")), Qt::LeftButton);
        QVERIFY(form2() && form2()->isVisible());
        QVERIFY(form2()->isModal());
    }
    void fill(const QString& text, int unit, int tolerance, int coefficient)
    {
        valore()->setText(text);
        control<QComboBox>("Combo1")->setCurrentIndex(unit);
        control<QComboBox>("cmbToll")->setCurrentIndex(tolerance);
        control<QComboBox>("cmbCoeff")->setCurrentIndex(coefficient);
    }
    Bands bands() const
    {
        Bands shown;
        for (int band = 1; band <= 6; ++band) {
            const QImage picture
                = form1->findChild<ImageControl*>(QStringLiteral("Banda%1").arg(band))->picture().toImage();
            for (colourcode::Colour colour : colourcode::kAllColours) {
                const QString name = QString::fromLatin1(colourcode::colourName(colour));
                if (form1->findChild<ImageControl*>(name)->picture().toImage() == picture) {
                    shown << name;
                    break;
                }
            }
        }
        return shown;
    }
    QStringList displayed() const
    {
        return {label("lblValore"), label("lblOhm"), label("lbltoll"), label("lblcoeff")};
    }

private slots:
    void init()
    {
        form1 = std::make_unique<Form1>();
        QVERIFY(form1->load());
        Form2::attachTo(form1.get());
        form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(form1.get()));
        open();
    }
    void cleanup() { form1.reset(); }

    void valueBecomesBands_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<int>("coefficient");
        QTest::addColumn<Bands>("bands");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("display");
        const QString ohm = QStringLiteral("\u03a9"), kilo = QStringLiteral("K\u03a9"),
                      mega = QStringLiteral("M\u03a9");
        const QString fivePercent = QStringLiteral("\u00b1 5%"), none = QStringLiteral("-- ppm/k");
        QTest::newRow("4,7 kohm") << "4,7" << 1 << 1 << 0
                                  << Bands {"giallo", "viola", "niente", "rosso", "oro", "niente"} << 4
                                  << QStringList {"4,7 ", kilo, fivePercent, none};
        QTest::newRow("4,75 kohm") << "4,75" << 1 << 1 << 0
                                   << Bands {"giallo", "viola", "verde", "marrone", "oro", "niente"} << 5
                                   << QStringList {"4,75 ", kilo, fivePercent, none};
        QTest::newRow("47 ohm") << "47" << 0 << 1 << 0
                                << Bands {"giallo", "viola", "niente", "nero", "oro", "niente"} << 4
                                << QStringList {"47 ", ohm, fivePercent, none};
        QTest::newRow("5 ohm") << "5" << 0 << 1 << 0
                               << Bands {"verde", "nero", "niente", "oro", "oro", "niente"} << 4
                               << QStringList {"5 ", ohm, fivePercent, none};
        QTest::newRow("0,47 ohm") << "0,47" << 0 << 1 << 0
                                  << Bands {"giallo", "viola", "niente", "argento", "oro", "niente"} << 4
                                  << QStringList {"0,47 ", ohm, fivePercent, none};
        QTest::newRow("0,1 ohm") << "0,1" << 0 << 1 << 0
                                 << Bands {"marrone", "nero", "niente", "argento", "oro", "niente"} << 4
                                 << QStringList {"0,1 ", ohm, fivePercent, none};
        QTest::newRow("12,0 ohm") << "12,0" << 0 << 1 << 0
                                  << Bands {"marrone", "rosso", "niente", "nero", "oro", "niente"} << 4
                                  << QStringList {"12 ", ohm, fivePercent, none};
        QTest::newRow("4,75 ohm") << "4,75" << 0 << 1 << 0
                                  << Bands {"giallo", "viola", "verde", "argento", "oro", "niente"} << 5
                                  << QStringList {"4,75 ", ohm, fivePercent, none};
        QTest::newRow("999 Mohm") << "999" << 2 << 1 << 0
                                  << Bands {"bianco", "bianco", "bianco", "azzurro", "oro", "niente"} << 5
                                  << QStringList {"999 ", mega, fivePercent, none};
        QTest::newRow("1 ohm 50 ppm")
            << "1" << 0 << 1 << 3 << Bands {"marrone", "nero", "nero", "argento", "oro", "rosso"} << 6
            << QStringList {"1 ", ohm, fivePercent, "50 ppm/k"};
        QTest::newRow("0,5 kohm 200 ppm")
            << "0,5" << 1 << 1 << 5 << Bands {"verde", "nero", "nero", "nero", "oro", "nero"} << 6
            << QStringList {"500 ", ohm, fivePercent, "200 ppm/k"};
        // A three-digit value keeps its chosen coefficient: six bands, and the display shows it.
        QTest::newRow("4,75 kohm 100 ppm")
            << "4,75" << 1 << 1 << 4 << Bands {"giallo", "viola", "verde", "marrone", "oro", "marrone"} << 6
            << QStringList {"4,75 ", kilo, fivePercent, "100 ppm/k"};
        QTest::newRow("10%") << "47" << 0 << 0 << 0
                             << Bands {"giallo", "viola", "niente", "nero", "argento", "niente"} << 4
                             << QStringList {"47 ", ohm, QStringLiteral("\u00b1 10%"), none};
        QTest::newRow("0,25%") << "47" << 0 << 5 << 0
                               << Bands {"giallo", "viola", "niente", "nero", "azzurro", "niente"} << 4
                               << QStringList {"47 ", ohm, QStringLiteral("\u00b1 0,25%"), none};
        QTest::newRow("1255 ohm") << "1255" << 0 << 1 << 0
                                  << Bands {"marrone", "rosso", "verde", "marrone", "oro", "niente"} << 5
                                  << QStringList {"1,25 ", kilo, fivePercent, none};
    }
    void valueBecomesBands()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(int, tolerance);
        QFETCH(int, coefficient);
        fill(text, unit, tolerance, coefficient);
        ModalAnswerer answerer;
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QCOMPARE(answerer.count, 0);
        QVERIFY(!form2()->isVisible());
        QTEST(bands(), "bands");
        QTEST(form1->bandState().TipoRes, "type");
        QTEST(displayed(), "display");
        QCOMPARE(form1->bandState().iBanda, 0);
    }

    void rejectedValueChangesNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("coefficient");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral("Il valore deve essere compreso tra 0,1 Ohm e 999 MOhm!");
        QTest::newRow("0,09 ohm") << "0,09" << 0 << 0 << range;
        QTest::newRow("1000 Mohm") << "1000" << 2 << 0 << range;
        // Zero passes in kilo-ohms and mega-ohms unless the range is checked in ohms.
        QTest::newRow("0 kohm") << "0" << 1 << 0 << range;
        QTest::newRow("0,0 Mohm") << "0,0" << 2 << 0 << range;
        QTest::newRow("0,5 ohm 50 ppm")
            << "0,5" << 0 << 3
            << QStringLiteral("Resistenze con l'indicazione del coefficiente di temperatura "
                              "non possono avere valori inferiori a 1 Ohm.");
        // Three digits below 1 ohm would need a multiplier below silver.
        QTest::newRow(",475 ohm")
            << ",475" << 0 << 0
            << QStringLiteral(
                   "Il valore inserito non pu\u00f2 essere rappresentato con i colori disponibili.");
    }
    void rejectedValueChangesNothing()
    {
        QFETCH(QString, text);
        QFETCH(int, unit);
        QFETCH(int, coefficient);
        // Something built beforehand, which must survive.
        fill("2,2", 1, 2, 0);
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        const colourcode::BandState before = form1->bandState();
        const Bands bandsBefore = bands();
        const QStringList displayBefore = displayed();

        open();
        fill(text, unit, 3, coefficient);
        ModalAnswerer answerer;
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QCOMPARE(answerer.count, 1);
        QTEST(answerer.text, "message");
        QCOMPARE(answerer.icon, QMessageBox::Critical);
        QCOMPARE(answerer.title, QStringLiteral("Codicolorimetrix"));
        QVERIFY(form2()->isVisible());
        QCOMPARE(valore()->text(), text);
        QCOMPARE(control<QComboBox>("Combo1")->currentIndex(), unit);
        QCOMPARE(control<QComboBox>("cmbToll")->currentIndex(), 3);
        QCOMPARE(form1->bandState(), before);
        QCOMPARE(bands(), bandsBefore);
        QCOMPARE(displayed(), displayBefore);
    }

    void emptyValueDoesNothing()
    {
        ModalAnswerer answerer;
        QTest::keyClick(valore(), Qt::Key_Return);
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QCOMPARE(answerer.count, 0);
        QVERIFY(form2()->isVisible());
        QCOMPARE(label("lblValore"), QStringLiteral("0.00 "));
    }

    void leadingZerosAreWrittenBack()
    {
        fill("0047", 0, 1, 0);
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QCOMPARE(valore()->text(), QStringLiteral("47"));
        QCOMPARE(label("lblValore"), QStringLiteral("47 "));
    }

    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("warnings");
        QTest::addColumn<QString>("left");
        QTest::newRow("letter into empty box") << "a" << 1 << "";
        QTest::newRow("letter after digits") << "47k" << 1 << "";
        QTest::newRow("digits and comma") << "4,75" << 0 << "4,75";
        QTest::newRow("fifth character") << "12345" << 0 << "1234";
        QTest::newRow("comma first") << ",5" << 0 << ",5";
        QTest::newRow("second comma") << "1,2," << 1 << "";
        QTest::newRow("sign") << "-" << 1 << "";
        QTest::newRow("point") << "4." << 1 << "";
        QTest::newRow("non-ASCII digit") << "\u0663" << 1 << "";
    }
    void typing()
    {
        QFETCH(QString, keys);
        ModalAnswerer answerer;
        const bool typeable = keys.toLatin1() == keys.toUtf8();
        if (typeable)
            QTest::keyClicks(valore(), keys);
        else
            valore()->insert(keys); // as an input method would
        QTEST(answerer.count, "warnings");
        QTEST(valore()->text(), "left");
        if (answerer.count) {
            QCOMPARE(answerer.text, QStringLiteral("Occorre inserire solo valori numerici"));
            QCOMPARE(answerer.icon, QMessageBox::Warning);
        }
    }

    void deletingTheLastCharacterDoesNotWarn()
    {
        ModalAnswerer answerer;
        QTest::keyClicks(valore(), "4");
        QTest::keyClick(valore(), Qt::Key_Backspace);
        QCOMPARE(valore()->text(), QString());
        QCOMPARE(answerer.count, 0);
    }

    // ",5" starts with a lone comma, which is no number yet; the button still refuses it alone.
    void loneCommaWaitsForDigits()
    {
        ModalAnswerer answerer;
        QTest::keyClick(valore(), Qt::Key_Comma);
        QCOMPARE(answerer.count, 0);
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        QCOMPARE(answerer.count, 1);
        QCOMPARE(answerer.text, QStringLiteral("Occorre inserire solo valori numerici"));
        QVERIFY(form2()->isVisible());
        QTest::keyClick(valore(), Qt::Key_5);
        QTest::keyClick(valore(), Qt::Key_Return);
        QCOMPARE(answerer.count, 1);
        QCOMPARE(label("lblValore"), QStringLiteral("0,5 "));
    }

    // The box holds "47" when the text arrives by the keys, a drop or the context menu's paste.
    void insertionThatDoesNotFitIsRefused_data()
    {
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("left");
        QTest::newRow("paste 12345") << "12345"
                                     << "keys"
                                     << "47";
        QTest::newRow("paste 100000 ohm") << "100000 ohm"
                                          << "keys"
                                          << "47";
        QTest::newRow("drop 100000") << "100000"
                                     << "drop"
                                     << "47";
        QTest::newRow("menu paste 123") << "123"
                                        << "menu"
                                        << "47";
        QTest::newRow("paste that fits") << "5"
                                         << "keys"
                                         << "475";
        QTest::newRow("drop that fits") << ",5"
                                        << "drop"
                                        << "47,5";
        QTest::newRow("menu paste that fits") << "00"
                                              << "menu"
                                              << "4700";
    }
    void insertionThatDoesNotFitIsRefused()
    {
        QFETCH(QString, inserted);
        QFETCH(QString, way);
        QTest::keyClicks(valore(), "47");
        ModalAnswerer answerer;
        QGuiApplication::clipboard()->setText(inserted);
        if (way == QLatin1String("drop")) {
            QMimeData data;
            data.setText(inserted);
            const QPoint end(valore()->width() - 2, valore()->height() / 2);
            QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(valore(), &enter);
            QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(valore(), &drop);
        } else if (way == QLatin1String("menu")) {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    valore()->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(valore(), &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QTest::keyClick(menu, Qt::Key_P); // its mnemonic
        } else {
            QTest::keySequence(valore(), QKeySequence::Paste);
        }
        QTEST(valore()->text(), "left");
        const bool fits = inserted.size() <= 2;
        QCOMPARE(answerer.count, fits ? 0 : 1);
        if (!fits) {
            QCOMPARE(answerer.text, QStringLiteral("Il valore pu\u00f2 avere al massimo quattro caratteri."));
            QCOMPARE(answerer.icon, QMessageBox::Warning);
        }
    }

    void undoNeverBringsBackARefusedText()
    {
        ModalAnswerer answerer;
        QTest::keyClicks(valore(), "47x");
        QCOMPARE(answerer.count, 1);
        QTest::keySequence(valore(), QKeySequence::Undo);
        QCOMPARE(valore()->text(), QString());
        QCOMPARE(answerer.count, 1);
    }

    void everyOpeningStartsAfresh()
    {
        fill("4,7", 2, 4, 5);
        QTest::keyClick(form2(), Qt::Key_Escape);
        QVERIFY(!form2()->isVisible());
        open();
        QCOMPARE(valore()->text(), QString());
        QCOMPARE(control<QComboBox>("Combo1")->currentText(), QStringLiteral("\u03a9"));
        QCOMPARE(control<QComboBox>("cmbToll")->currentText(), QStringLiteral("10%"));
        QCOMPARE(control<QComboBox>("cmbCoeff")->currentText(), QStringLiteral("Non presente"));
    }

    void closingHandsNothingOver()
    {
        fill("4,7", 1, 1, 0);
        form2()->close();
        QVERIFY(!form2()->isVisible());
        QCOMPARE(form1->bandState(), colourcode::BandState {});
        QCOMPARE(label("lblValore"), QStringLiteral("0.00 "));
        open();
        fill("4,7", 1, 1, 0);
        QTest::keyClick(valore(), Qt::Key_Escape);
        QCOMPARE(form1->bandState(), colourcode::BandState {});
    }

    void enterPressesTheButton()
    {
        fill("4,7", 1, 1, 0);
        QTest::keyClick(valore(), Qt::Key_Return);
        QVERIFY(!form2()->isVisible());
        QCOMPARE(label("lblValore"), QStringLiteral("4,7 "));
    }

    void tabReachesTheButtonBeforeTheLists()
    {
        QStringList order;
        QWidget* widget = valore();
        for (int i = 0; i < 5; ++i) {
            order << widget->objectName();
            widget = widget->nextInFocusChain();
            while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(form2()))
                widget = widget->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList {"Valore", "Combo1", "Command1", "cmbToll", "cmbCoeff"}));
    }

    void openPaletteKeepsItsBandAfterAHandOver()
    {
        form2()->close();
        QTest::mouseClick(form1->findChild<QWidget*>(QStringLiteral("Banda2")), Qt::LeftButton);
        open();
        fill("4,7", 1, 1, 0);
        QTest::mouseClick(control("Command1"), Qt::LeftButton);
        auto* palette = form1->findChild<PalettePanel*>(QStringLiteral("Picture1"));
        QVERIFY(palette->isOpen());
        QCOMPARE(form1->bandState().iBanda, 2);
        QTest::mouseClick(form1->findChild<QWidget*>(QStringLiteral("Picture4")), Qt::LeftButton);
        QCOMPARE(bands().at(1), QStringLiteral("rosso"));
        QCOMPARE(label("lblValore"), QStringLiteral("4,2 "));
    }

    // The dots run from the words up to and under the field, which covers their end.
    void promptsLeadTheirDotsUnderTheirFields_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("field");
        QTest::newRow("value") << "Label1"
                               << "Valore";
        QTest::newRow("tolerance") << "Label2"
                                   << "cmbToll";
        QTest::newRow("coefficient") << "Label3"
                                     << "cmbCoeff";
    }
    void promptsLeadTheirDotsUnderTheirFields()
    {
        QFETCH(QString, prompt);
        QFETCH(QString, field);
        const auto* label = control<QLabel>(qPrintable(prompt));
        const int fieldLeft = control(qPrintable(field))->x();
        QString words = label->text();
        while (words.endsWith(QLatin1Char('.')))
            words.chop(1);
        const QFontMetrics metrics = label->fontMetrics();
        const int dot = metrics.horizontalAdvance(QLatin1Char('.'));
        QVERIFY2(label->x() + metrics.horizontalAdvance(words) + 2 * dot <= fieldLeft, "no dot shows");
        QVERIFY2(label->x() + metrics.horizontalAdvance(label->text()) > fieldLeft, "dots stop short");
    }

    // Also run under the C locale: Qt's own texts are Italian whatever the user's locale.
    void qtTextsAreItalian()
    {
        const auto undoText = [this] {
            std::unique_ptr<QMenu> menu(valore()->createStandardContextMenu());
            return menu->actions().constFirst()->text().section(QLatin1Char('\t'), 0, 0);
        };
        QVERIFY(!uitext::loadQtTranslation(QStringLiteral("/nonexistent")));
        QCOMPARE(undoText(), QStringLiteral("&Undo"));
        QVERIFY(uitext::loadQtTranslation(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCOMPARE(undoText(), QStringLiteral("Ann&ulla"));
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
