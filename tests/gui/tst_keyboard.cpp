#include "form1.h"
#include "imagecontrol.h"
#include "palettepanel.h"

#include <QLabel>
#include <QMenu>
#include <QtTest>
#include <memory>

// The main window from the keyboard: wiring only; what a colour means is the core's tests' business.
class TestKeyboard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    QWidget* child(const char* name) const { return form->findChild<QWidget*>(QLatin1String(name)); }
    static QString focusName() { return QApplication::focusWidget()->objectName(); }

    // Keys as they are named in QKeySequence ("Right", "Return", "4"), each sent to whatever has the focus.
    static void type(const QString& keys)
    {
        for (const QString& name : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QKeyCombination key = QKeySequence(name)[0];
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        }
    }

    // Everything the user can see change, but the focus mark.
    static QString look(const Form1& window)
    {
        QStringList parts;
        for (const char* label : {"lblValore", "lblOhm", "lbltoll", "lblcoeff", "Ind"})
            parts << window.findChild<QLabel*>(QLatin1String(label))->text();
        parts << QString::number(window.findChild<PalettePanel*>()->isOpen());
        for (int band = 1; band <= 6; ++band) {
            const auto* place = window.findChild<ImageControl*>(QStringLiteral("Banda%1").arg(band));
            parts << QString::number(place->picture().toImage().pixel(10, 47), 16);
        }
        const colourcode::BandState& s = window.bandState();
        parts << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                     .arg(s.iBanda)
                     .arg(s.B1)
                     .arg(s.B2)
                     .arg(s.B3)
                     .arg(s.BM)
                     .arg(s.BT)
                     .arg(s.BC);
        return parts.join(QLatin1Char('|'));
    }

private slots:
    void init()
    {
        form = std::make_unique<Form1>();
        QVERIFY(form->load());
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    // The mouse look stays: the focus starts on band 1 unmarked, a key shows the mark, a click hides it.
    void focusMarkShowsOnlyAfterAKey()
    {
        Form1 neverFocused;
        QVERIFY(neverFocused.load());
        const QImage unfocused = neverFocused.grab().toImage();
        QCOMPARE(focusName(), QStringLiteral("Banda1"));
        QCOMPARE(form->grab().toImage(), unfocused);
        type(QStringLiteral("Tab"));
        QCOMPARE(focusName(), QStringLiteral("Banda2"));
        QVERIFY(form->grab().toImage() != unfocused);
        QTest::mouseClick(child("Label1"), Qt::LeftButton);
        QCOMPARE(form->grab().toImage(), unfocused);
    }

    // Keys from band 1 against the clicks that must give the very same window.
    void keysDoWhatClicksDo_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("digit") << "4" << QStringList {"Banda1", "Picture15"};
        QTest::newRow("digit after arrows") << "Right Right 9" << QStringList {"Banda3", "Picture10"};
        QTest::newRow("refused digit") << "0" << QStringList {};
        // Band 5 starts on gold; going left skips yellow and orange, which it refuses.
        QTest::newRow("arrows over the palette") << "Right Right Right Right Return Left Left Left Left Space"
                                                 << QStringList {"Banda5", "Picture4"};
        QTest::newRow("Tab round") << "Backtab Backtab Backtab Backtab Return Return"
                                   << QStringList {"Banda6", "Picture2"};
    }
    void keysDoWhatClicksDo()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, clicks);
        Form1 clicked;
        QVERIFY(clicked.load());
        for (const QString& name : clicks)
            QTest::mouseClick(clicked.findChild<QWidget*>(name), Qt::LeftButton);
        type(keys);
        QCOMPARE(look(*form), look(clicked));
    }

    void escapeClosesThePaletteUnpainted()
    {
        const QString before = look(*form);
        type(QStringLiteral("Right Return Right Escape"));
        QCOMPARE(focusName(), QStringLiteral("Banda2"));
        QCOMPARE(look(*form), before.section(QLatin1Char('|'), 0, -2) + QStringLiteral("|2 0 0 0 1 5 200"));
    }

    void bracketKeysOpenTheTypeMenu_data()
    {
        QTest::addColumn<QString>("key");
        for (const char* key : {"Return", "Space", "Menu", "Shift+F10"})
            QTest::newRow(key) << key;
    }
    void bracketKeysOpenTheTypeMenu()
    {
        QFETCH(QString, key);
        type(QStringLiteral("Backtab Backtab Backtab ") + key);
        auto* menu = form->findChild<QMenu*>(QStringLiteral("mnuprinc"));
        QVERIFY(menu->isVisible());
        QVERIFY(menu->geometry().top() >= child("Image4")->mapToGlobal(QPoint(0, 0)).y());
        menu->close();
    }

    void valueEntryAndEndingKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("opensValueEntry");
        QTest::newRow("F2") << "F2" << true;
        QTest::newRow("Enter on the thumbnail") << "Backtab Backtab Return" << true;
        QTest::newRow("Ctrl+Q") << "Ctrl+Q" << false;
        QTest::newRow("Alt+F4") << "Alt+F4" << false;
        QTest::newRow("Space on the close picture") << "Backtab Space" << false;
    }
    void valueEntryAndEndingKeys()
    {
        QFETCH(QString, keys);
        QFETCH(bool, opensValueEntry);
        QSignalSpy requests(form.get(), &Form1::valueEntryRequested);
        type(keys);
        QCOMPARE(requests.size(), opensValueEntry ? 1 : 0);
        QCOMPARE(form->isVisible(), opensValueEntry);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
