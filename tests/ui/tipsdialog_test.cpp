#include "4-crt/tipswindow.h"
#include "tipsdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TipsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void okStepsThroughAndCloses()
    {
        lumidex::TipsWindow tips(lumidex::Series::CR7100, 71.9f, {125, -40, 0, 7});
        TipsDialog dialog(tips);
        dialog.show();
        QVERIFY(dialog.findChild<QWidget *>("Panel3D6")->isVisible());
        auto *ok = dialog.findChild<QPushButton *>("ok");
        auto *text = dialog.findChild<QLabel *>("Label1");
        QTest::mouseClick(ok, Qt::LeftButton); // warning hidden
        QVERIFY(!dialog.findChild<QWidget *>("Panel3D6")->isVisible());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(text->text().startsWith("STEP 1\n\n"));
        // A click on the text advances too.
        QTest::mouseClick(text, Qt::LeftButton);
        QVERIFY(text->text().startsWith("STEP 2"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(text->text().startsWith("STEP 3"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(tips.closed());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TipsDialogTest)
#include "tipsdialog_test.moc"
