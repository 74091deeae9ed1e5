// The wizard driven by its controls, headless, through the real stand-in helpers. Every message
// box it opens is answered and its text recorded.
#include "core/AppCommon.h"
#include "core/SessionManagers.h"
#include "helpers/act/ActStore.h"
#include "platform/Folders.h"
#include "ui/TfmMain.h"
#include "ui/dialogs/TfmAddrFieldMap.h"
#include "ui/dialogs/TfmDebug.h"
#include "ui/pages/TfmPDOption.h"
#include "diagnostics/CxDebugUtil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <memory>

using namespace velmora;

class WizardTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mHome;
    QStringList mMessages;
    QTimer mAnswerer;

    // Makes the demo data in a fresh data home for each test.
    void MakeDemo(const std::string& source = "google")
    {
        const QString home = mHome.path() + "/" + QString::number(++mRun);
        qputenv("XDG_DATA_HOME", home.toUtf8());
        const std::string command = "bash " VELMORA_SOURCE_DIR "/scripts/make-demo.sh '" + platform::ProgramFolder() +
                                    "' '" + home.toStdString() + "' " + source + " > /dev/null";
        QCOMPARE(std::system(command.c_str()), 0);
    }

    template <class T>
    static T* Find(QWidget& window, const char* name)
    {
        T* widget = window.findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control named %s", name);
        return widget;
    }

    static void Next(ui::TfmMain& window) { Find<QPushButton>(window, "btnNext")->click(); }

    int mRun = 0;

private slots:
    void initTestCase()
    {
        // Answers every message box with OK, remembering its text.
        connect(&mAnswerer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                mMessages << box->windowTitle() + "|" + box->text();
                box->accept();
            }
        });
        mAnswerer.start(50);
    }

    void init()
    {
        mMessages.clear();
        MakeDemo();
    }

    void startsOnTheSourcePageWithTheGoogleRule()
    {
        core::AppContext app;
        ui::TfmMain window(app);
        QCOMPARE(window.PageIndex(), 0);
        QVERIFY(!Find<QPushButton>(window, "btnPrev")->isEnabled());
        QCOMPARE(Find<QPushButton>(window, "btnNext")->text(), QString("Next >"));
        QVERIFY(Find<QRadioButton>(window, "rbtnGG")->isChecked());
        auto* tasks = Find<QCheckBox>(window, "cbTask");
        QVERIFY(!tasks->isEnabled() && !tasks->isChecked());
        Find<QRadioButton>(window, "rbtnOL")->click();
        QVERIFY(tasks->isEnabled() && !tasks->isChecked());
        tasks->setChecked(true);
        Find<QRadioButton>(window, "rbtnGG")->click();
        QVERIFY(!tasks->isEnabled() && !tasks->isChecked());
    }

    void refusesWithoutADataTypeAndCountsTheLotusNotesPages()
    {
        core::AppContext app;
        ui::TfmMain window(app);
        Find<QCheckBox>(window, "cbAddr")->setChecked(false);
        Find<QCheckBox>(window, "cbDate")->setChecked(false);
        Next(window);
        QTRY_COMPARE(mMessages, QStringList{"Error|Please migrate at least one type of application data."});
        QCOMPARE(window.PageIndex(), 0);
        QCOMPARE(window.PageCount(), 0);
        QVERIFY(!app.Settings.SyncAddr && !app.Settings.SyncDate);

        Find<QRadioButton>(window, "rbtnLN")->click();
        Find<QCheckBox>(window, "cbNote")->setChecked(true);
        Next(window);
        QCOMPARE(window.PageIndex(), 1);
        QCOMPARE(window.PageCount(), 6);
    }

    void validatesTheActAndGoogleOptions()
    {
        core::AppContext app;
        ui::TfmMain window(app);
        Next(window);
        auto* user = Find<QLineEdit>(window, "edtUserName");
        user->clear();
        Next(window);
        QTRY_COMPARE(mMessages.value(0), QString("Error|Invalid ACT! login user name."));
        Find<QLineEdit>(window, "edtPadName")->setText("/no/such/folder/x.pad");
        Next(window);
        QTRY_COMPARE(mMessages.value(1), QString("Error|Invalid ACT! Pad file name."));
        Find<QLineEdit>(window, "edtAppPath")->clear();
        Next(window);
        QTRY_COMPARE(mMessages.value(2), QString("Error|The ACT! application is not found on your computer."));
        QCOMPARE(app.Settings.ACTAppName.view(), std::string_view());
        QCOMPARE(window.PageIndex(), 1);
    }

    void debugOptionsApplyOnOkOnly()
    {
        core::AppContext app;
        ui::TfmMain window(app);
        app.Settings.LogLevel = 2;
        {
            ui::TfmDebug dialog(app, &window);
            auto* level = dialog.findChild<QComboBox*>("cbxLevel");
            QCOMPARE(level->currentText(), QString("Low - Log very detail debug information."));
            level->setCurrentIndex(1);
            dialog.findChild<QPushButton*>("btnCancel")->click();
            QCOMPARE(app.Settings.LogLevel, 2);
        }
        ui::TfmDebug dialog(app, &window);
        dialog.findChild<QPushButton*>("btnOK")->click();
        QCOMPARE(app.Settings.LogLevel, 3);
        QCOMPARE(diagnostics::CxDebugUtil::Instance().Level(), 3);
        dialog.findChild<QPushButton*>("btnFile")->click();
        QTRY_COMPARE(mMessages.value(0), QString("Error|Debug log file doesn't exist"));
    }

    void fieldMappingStoresKeysOnOk()
    {
        core::AppContext app;
        ui::TfmMain window(app);
        app.Settings.GGCustomID[0] = 89;  // a key the table does not have
        {
            ui::TfmAddrFieldMap dialog(app.Settings, &window);
            auto* first = dialog.findChild<QComboBox*>("cbGGCustom1");
            QCOMPARE(first->currentText(), QString("[Not Set]"));
            QCOMPARE(first->count(), 92);
            QVERIFY(!dialog.findChild<QTabWidget*>("pMap")->isTabVisible(2));
            first->setCurrentIndex(first->findData(37));
            dialog.findChild<QPushButton*>("btnCancel")->click();
            QCOMPARE(app.Settings.GGCustomID[0], 89);
        }
        ui::TfmAddrFieldMap dialog(app.Settings, &window);
        auto* first = dialog.findChild<QComboBox*>("cbGGCustom1");
        first->setCurrentIndex(first->findData(37));
        dialog.findChild<QPushButton*>("btnOK")->click();
        QCOMPARE(app.Settings.GGCustomID[0], 37);
        QCOMPARE(app.Settings.GGCustomID[1], 0);
    }

    void otherSourcesRefuseEmptyProgramPaths()
    {
        core::AppContext app;
        ui::TfmMain window(app);
        Find<QRadioButton>(window, "rbtnOL")->click();
        Next(window);
        Next(window);
        QCOMPARE(window.PageIndex(), 2);
        Find<QLineEdit>(window, "edtOLPath")->clear();
        Find<QLineEdit>(window, "edtOLDataFile")->clear();
        Next(window);
        QTRY_COMPARE(mMessages.value(0), QString("Error|Invalid path for outlook.exe. Outlook executable not found."));
        // A data file stands in for the program, but it has to be there.
        auto* dataFile = Find<QLineEdit>(window, "edtOLDataFile");
        dataFile->setText("/nonexistent/Outlook.pst");
        Next(window);
        QTRY_COMPARE(mMessages.value(1), QString("Error|The Outlook data file /nonexistent/Outlook.pst cannot be found."));
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(dataFile));
        QCOMPARE(window.PageIndex(), 2);
        dataFile->clear();
        Find<QPushButton>(window, "btnPrev")->click();
        Find<QPushButton>(window, "btnPrev")->click();
        Find<QRadioButton>(window, "rbtnLN")->click();
        Next(window);
        Next(window);
        Find<QLineEdit>(window, "edtNotesPath")->clear();
        Next(window);
        QTRY_COMPARE(mMessages.value(2),
                     QString("Error|Invalid path for Lotus Notes note.exe. Lotus Notes executable not found."));
        QCOMPARE(Find<QLabel>(window, "lblNotesVersion")->text(), QString("Unknown"));
        QCOMPARE(window.PageIndex(), 2);
    }

    void quittingFromTheErrorReportClosesTheWizard()
    {
        core::AppContext app;
        auto window = std::make_unique<ui::TfmMain>(app);
        window->show();
        app.Settings.SourceApp = core::AppType::Outlook;
        QTimer::singleShot(100, this, [] {
            if (QWidget* dump = QApplication::activeModalWidget())
                dump->findChild<QPushButton*>("btnExit")->click();
        });
        window->ShowErrorReport("boom");
        QVERIFY(!window->isVisible());
        window.reset();  // the normal end: the settings are saved
        core::AppSettings saved;
        core::LoadSettings(saved, std::string(qgetenv("XDG_DATA_HOME")) + "/corvane/VLACT/VLACT.ini");
        QCOMPARE(saved.SourceApp, core::AppType::Outlook);
    }

    void walksTheGooglePathIntoAct()
    {
        core::AppContext app;
        ui::TfmMain window(app);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Next(window);
        Next(window);
        QCOMPARE(window.PageIndex(), 2);
        auto* password = window.findChild<QWidget*>("fmGGOption")->findChild<QLineEdit*>("edtPassword");
        password->clear();
        Next(window);
        QTRY_COMPARE(mMessages.value(0), QString("Error|Please enter the password of your Google account."));
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(password));
        password->setText("demo");
        auto* server = window.findChild<QWidget*>("fmGGOption")->findChild<QLineEdit*>("edtServerURL");
        server->setText("dav.example.org");
        mMessages.clear();
        Next(window);
        QTRY_COMPARE(mMessages.value(0), QString("Error|Invalid server address: dav.example.org"));
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(server));
        server->clear();  // no server: the demo's account folder
        Next(window);
        QTRY_COMPARE(window.PageIndex(), 3);

        // The preview: Ann is the same, Bob different, Dora and Ed new.
        auto* contacts = window.findChild<QWidget*>("fmGGData")->findChild<QTreeWidget*>("lvAddr");
        QCOMPARE(contacts->topLevelItemCount(), 4);
        QCOMPARE(contacts->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(contacts->topLevelItem(0)->foreground(0).color(), QColor(Qt::black));
        QCOMPARE(contacts->topLevelItem(1)->checkState(0), Qt::Checked);
        QCOMPARE(contacts->topLevelItem(1)->foreground(0).color(), QColor(0, 0, 255));
        QCOMPARE(contacts->topLevelItem(2)->foreground(0).color(), QColor(0, 128, 0));
        QCOMPARE(window.findChild<QWidget*>("fmGGData")->findChild<QLabel*>("lblAddrCount")->text(),
                 QString("4 Contact records in total"));
        auto* preview = window.findChild<QWidget*>("fmGGData");
        preview->findChild<QPushButton*>("btnSelAll")->click();
        QCOMPARE(contacts->topLevelItem(0)->checkState(0), Qt::Checked);
        preview->findChild<QPushButton*>("btnClear")->click();
        QCOMPARE(contacts->topLevelItem(1)->checkState(0), Qt::Unchecked);
        preview->findChild<QPushButton*>("btnSelDiff")->click();
        QCOMPARE(contacts->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(contacts->topLevelItem(3)->checkState(0), Qt::Checked);
        contacts->topLevelItem(3)->setCheckState(0, Qt::Unchecked);  // leave Ed out

        // Double-clicking Bob opens his Google record, with what differs from ACT!.
        QStringList shown;
        QTimer::singleShot(0, this, [&shown] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr)
                return;
            auto* tabs = dialog->findChild<QTabWidget*>("pcDetail");
            shown << dialog->windowTitle() << dialog->findChild<QLineEdit*>("edtDisplayName")->text();
            for (int i = 0; tabs != nullptr && i < tabs->count(); ++i)
                shown << tabs->tabText(i);
            if (auto* differences = dialog->findChild<QTreeWidget*>("lvDiff"))
                shown << differences->topLevelItem(0)->text(0) + "|" + differences->topLevelItem(0)->text(2);
            dialog->findChild<QPushButton*>("btnClose")->click();
        });
        emit contacts->itemDoubleClicked(contacts->topLevelItem(1), 0);
        QCOMPARE(shown, (QStringList{"Google Contact Record Details", "Bob Marsh", "Phones and Emails", "Addresses",
                                     "Custom Fields", "Notes", "Misc Fields", "Differences", "Company|Brix & Sons Ltd"}));
        QCOMPARE(contacts->topLevelItem(1)->checkState(0), Qt::Checked);  // the page is left as it was

        // Back shows the option page unchanged; Next loads and compares again.
        Find<QPushButton>(window, "btnPrev")->click();
        QCOMPARE(window.PageIndex(), 2);
        Next(window);
        QTRY_COMPARE(window.PageIndex(), 3);
        QCOMPARE(contacts->topLevelItem(3)->checkState(0), Qt::Checked);  // rebuilt from the fresh load
        contacts->topLevelItem(3)->setCheckState(0, Qt::Unchecked);

        Next(window);
        QTRY_COMPARE(window.PageIndex(), 4);
        QVERIFY(mMessages.size() == 1);
        QCOMPARE(window.findChild<QWidget*>("fmFinish")->findChild<QLabel*>("lblAddrCount")->text(), QString("2"));
        QCOMPARE(window.findChild<QWidget*>("fmFinish")->findChild<QLabel*>("lblDateCount")->text(), QString("2"));
        QCOMPARE(Find<QPushButton>(window, "btnPrev")->text(), QString("Restart"));
        QCOMPARE(Find<QPushButton>(window, "btnClose")->text(), QString("Finish"));
        QVERIFY(!Find<QPushButton>(window, "btnNext")->isEnabled());

        std::string error;
        const auto store = helpers::ActStore::Open(std::string(app.Settings.ACTPadName.view()), error);
        QVERIFY(store != nullptr);
        std::vector<helpers::ActContactRec> stored;
        QVERIFY(store->ReadAll(stored, error));
        QCOMPARE(stored.size(), std::size_t{4});  // the three samples and Dora; Ed was left out
        QCOMPARE(QString::fromStdString(std::string(stored[1].Company.view())), QString("Brix & Sons Ltd"));

        Find<QPushButton>(window, "btnNew")->click();
        QCOMPARE(window.PageIndex(), 0);
        QCOMPARE(Find<QPushButton>(window, "btnClose")->text(), QString("Finish"));

        // A second run without the calendar: Ed, left out before, is the only one still new.
        Find<QCheckBox>(window, "cbDate")->setChecked(false);
        Next(window);
        Next(window);
        Next(window);
        QTRY_COMPARE(window.PageIndex(), 3);
        QCOMPARE(contacts->topLevelItem(1)->checkState(0), Qt::Unchecked);  // Bob was migrated
        QCOMPARE(contacts->topLevelItem(3)->checkState(0), Qt::Checked);
        Next(window);
        QTRY_COMPARE(window.PageIndex(), 4);
        QCOMPARE(window.findChild<QWidget*>("fmFinish")->findChild<QLabel*>("lblAddrCount")->text(), QString("1"));
        QCOMPARE(window.findChild<QWidget*>("fmFinish")->findChild<QLabel*>("lblDateCount")->text(), QString("0"));
        QCOMPARE(mMessages.size(), 1);

        // Undo asks first, then takes the second migration back out of ACT!, leaving the first.
        auto* undo = Find<QPushButton>(window, "btnUndo");
        QVERIFY(undo->isEnabled());
        // While it runs, the question is answered Yes and the other boxes as always.
        mAnswerer.stop();
        QString question;
        QTimer yes;
        connect(&yes, &QTimer::timeout, this, [this, &question] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->button(QMessageBox::Yes) != nullptr) {
                question = box->text();
                box->button(QMessageBox::Yes)->click();
            } else if (box != nullptr) {
                mMessages << box->windowTitle() + "|" + box->text();
                box->accept();
            }
        });
        yes.start(20);
        undo->click();
        yes.stop();
        mAnswerer.start(50);
        QCOMPARE(question, QString("Remove the 1 contact this migration added?"));
        QTRY_COMPARE(mMessages.size(), 2);
        QCOMPARE(mMessages.value(1), QString("Undo Migration|The migration was undone. Removed: 1 contact."));
        stored.clear();
        QVERIFY(store->ReadAll(stored, error));
        QCOMPARE(stored.size(), std::size_t{4});  // Ed is gone again; the first migration stays
        QCOMPARE(QString::fromStdString(std::string(stored[1].Company.view())), QString("Brix & Sons Ltd"));
        QCOMPARE(window.findChild<QWidget*>("fmFinish")->findChild<QLabel*>("lblAddrCount")->text(), QString("0"));
        QVERIFY(!undo->isEnabled());
    }

    void walksThePalmDesktopPath()
    {
        MakeDemo("palm");
        const std::string palmUser = qEnvironmentVariable("XDG_DATA_HOME").toStdString() + "/Palm/Demo/";
        core::AppContext app;
        ui::TfmMain window(app);
        window.show();
        QVERIFY(Find<QRadioButton>(window, "rbtnPD")->isChecked());
        Find<QCheckBox>(window, "cbTask")->setChecked(false);
        app.Settings.PDUserID = 12345;  // a user that is no longer there
        Next(window);
        Next(window);
        QCOMPARE(window.PageIndex(), 2);

        auto* page = window.findChild<ui::TfmPDOption*>("fmPDOption");
        QVERIFY(page != nullptr && page->isVisible());
        QCOMPARE(Find<QLabel>(window, "lblPDVersion")->text(), QString("4.1.4.0"));
        auto* users = Find<QComboBox>(window, "cbPDUser");
        QCOMPARE(users->count(), 1);
        QCOMPARE(users->currentText(), QString("Demo"));
        auto* sheets = Find<QTabWidget>(window, "pcMain");
        QVERIFY(sheets->isTabVisible(0) && sheets->isTabVisible(1) && !sheets->isTabVisible(2) && sheets->isTabVisible(3));
        auto* addrFile = Find<QLineEdit>(window, "edtAddrFile");
        QVERIFY(!addrFile->isEnabled());
        Find<QCheckBox>(window, "cbAddrFile")->click();
        QVERIFY(addrFile->isEnabled() && Find<QPushButton>(window, "btnAddrBrowse")->isEnabled());

        // A calendar file offered as contacts is refused; the address book is taken.
        page->AcceptBrowsedFile(ui::TfmPDOption::Addr, QString::fromStdString(palmUser + "datebook/datebook.dat"));
        QCOMPARE(mMessages, QStringList{"Error|Invalid Palm Desktop contacts database file, please try another one."});
        QCOMPARE(addrFile->text(), QString());
        page->AcceptBrowsedFile(ui::TfmPDOption::Addr, QString::fromStdString(palmUser + "address/address.dat"));
        QCOMPARE(addrFile->text(), QString::fromStdString(palmUser + "address/address.dat"));

        Next(window);
        QTRY_COMPARE(window.PageIndex(), 3);
        QCOMPARE(mMessages.size(), 1);
        QVERIFY(app.Settings.PDUseAddrFile);
        QCOMPARE(static_cast<std::uint32_t>(app.Settings.PDUserID), static_cast<std::uint32_t>(users->currentData().toULongLong()));
        auto* preview = window.findChild<QWidget*>("fmPDData");
        auto* contacts = preview->findChild<QTreeWidget*>("lvAddr");
        QCOMPARE(contacts->topLevelItemCount(), 4);
        QCOMPARE(contacts->topLevelItem(0)->checkState(0), Qt::Unchecked);  // Ann is as ACT! has her
        QCOMPARE(contacts->topLevelItem(2)->checkState(0), Qt::Checked);
        QCOMPARE(preview->findChild<QTreeWidget*>("lvDate")->topLevelItemCount(), 3);
        QCOMPARE(preview->findChild<QTreeWidget*>("lvNote")->topLevelItemCount(), 2);

        // Refresh reads the files again and marks them again.
        contacts->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
        preview->findChild<QPushButton*>("btnRefresh")->click();
        QCOMPARE(contacts->topLevelItemCount(), 4);
        QCOMPARE(contacts->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(contacts->topLevelItem(2)->checkState(0), Qt::Checked);

        Next(window);
        QTRY_COMPARE(window.PageIndex(), 4);
        QCOMPARE(window.findChild<QWidget*>("fmFinish")->findChild<QLabel*>("lblAddrCount")->text(), QString("3"));
        QCOMPARE(window.findChild<QWidget*>("fmFinish")->findChild<QLabel*>("lblNoteCount")->text(), QString("2"));
    }

    // Both option pages, the preview with the Lotus Notes records' own columns, Refresh and the
    // migration, for the demo's Notes exports; then the Outlook demo's data file.
    void walksTheLotusNotesAndOutlookPaths()
    {
        MakeDemo("lotus");
        {
            core::AppContext app;
            ui::TfmMain window(app);
            window.show();
            QVERIFY(Find<QRadioButton>(window, "rbtnLN")->isChecked());
            Next(window);
            Next(window);
            QCOMPARE(window.PageIndex(), 2);
            Next(window);
            QCOMPARE(window.PageIndex(), 3);
            QVERIFY(Find<QLineEdit>(window, "edtLNAddrPath")->text().endsWith("names.nsf"));
            Next(window);
            QTRY_COMPARE(window.PageIndex(), 4);
            QCOMPARE(mMessages, QStringList{});
            auto* preview = window.findChild<QWidget*>("fmLNData");
            auto* contacts = preview->findChild<QTreeWidget*>("lvAddr");
            QCOMPARE(contacts->topLevelItemCount(), 3);
            QCOMPARE(contacts->topLevelItem(2)->text(0), QString("Hana Sato"));
            QCOMPARE(contacts->topLevelItem(2)->checkState(0), Qt::Checked);
            auto* calendar = preview->findChild<QTreeWidget*>("lvDate");
            QCOMPARE(calendar->topLevelItemCount(), 2);
            QCOMPARE(calendar->topLevelItem(0)->text(3), QString("No"));
            preview->findChild<QPushButton*>("btnRefresh")->click();
            QCOMPARE(contacts->topLevelItemCount(), 3);
            QCOMPARE(contacts->topLevelItem(0)->checkState(0), Qt::Unchecked);
            Next(window);
            QTRY_COMPARE(window.PageIndex(), 5);
            QCOMPARE(window.findChild<QWidget*>("fmFinish")->findChild<QLabel*>("lblAddrCount")->text(), QString("2"));
        }
        MakeDemo("outlook");
        core::AppContext app;
        ui::TfmMain window(app);
        window.show();
        QVERIFY(Find<QRadioButton>(window, "rbtnOL")->isChecked());
        Next(window);
        Next(window);
        QCOMPARE(window.PageIndex(), 2);
        Next(window);
        QTRY_COMPARE(window.PageIndex(), 3);
        QCOMPARE(mMessages, QStringList{});
        auto* preview = window.findChild<QWidget*>("fmOLData");
        QCOMPARE(preview->findChild<QTreeWidget*>("lvAddr")->topLevelItemCount(), 5);
        QCOMPARE(preview->findChild<QTreeWidget*>("lvDate")->topLevelItemCount(), 7);
        QCOMPARE(preview->findChild<QTreeWidget*>("lvTask")->topLevelItemCount(), 5);
        QCOMPARE(preview->findChild<QTreeWidget*>("lvNote")->topLevelItemCount(), 6);
        Next(window);
        QTRY_COMPARE(window.PageIndex(), 4);
        QCOMPARE(window.findChild<QWidget*>("fmFinish")->findChild<QLabel*>("lblAddrCount")->text(), QString("4"));
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    WizardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WizardTest.moc"
