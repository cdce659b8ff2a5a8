// The converter dialog as it opens: its window, its controls and what it makes of the
// command line.
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "app/converter_dialog.h"
#include "app/qt_text.h"
#include "app/template_dialog.h"
#include "conversion/voice_guidance_table.h"
#include "dialog_test_support.h"
#include "resources/resource_ids.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"

namespace quorvane::testing {

namespace id = resource_id;

class StartUpTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ConverterDialog> Open(const QStringList& arguments) {
    auto dialog = std::make_unique<ConverterDialog>(
        arguments, ConverterDialog::Services{file_dialogs_, SystemFileSystem(), clock_});
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(dialog.get());
    return dialog;
  }
  template <typename Widget>
  static Widget* Control(ConverterDialog& dialog, int control_id) {
    return dialog.findChild<Widget*>(ControlName(control_id));
  }

  ScriptedFileDialogs file_dialogs_;
  FixedClock clock_ = JanuaryFifthClock();
  std::unique_ptr<TempFolder> current_;
  QString saved_current_;

 private slots:
  void init() {
    saved_current_ = QDir::currentPath();
    current_ = std::make_unique<TempFolder>();
    QDir::setCurrent(QString::fromStdString(current_->Path().string()));
  }
  void cleanup() {
    QDir::setCurrent(saved_current_);
    current_.reset();
  }

  void withoutArgumentsTheFieldsAreEmptyAndTheInputFieldHasTheFocus() {
    ModalAnswerer answerer;
    auto dialog = Open({});
    auto* input = Control<QLineEdit>(*dialog, id::kInputField);
    auto* output = Control<QLineEdit>(*dialog, id::kOutputField);
    QCOMPARE(input->text(), QString());
    QCOMPARE(output->text(), QString());
    QVERIFY(dialog->InputPath().empty());
    QVERIFY(dialog->OutputPath().empty());
    QTRY_VERIFY(HasFocusWithWholeText(*input));
    const std::string current = QDir::currentPath().toStdString();
    QCOMPARE(dialog->RememberedInputFolder(), current);
    QCOMPARE(dialog->RememberedOutputFolder(), current);
    QVERIFY(answerer.seen.empty());
  }

  void theWindowShowsTheTemplatesTextsAndTheRelabelledGroupBoxes() {
    auto dialog = Open({});
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Quorvane"));
    QCOMPARE(Control<QGroupBox>(*dialog, id::kInputGroup)->title(),
             QStringLiteral("入力　ファイル名（.mem）"));
    QCOMPARE(Control<QGroupBox>(*dialog, id::kOutputGroup)->title(),
             QStringLiteral("出力　ファイル名（.pmf）"));
    auto* convert = Control<QPushButton>(*dialog, id::kOk);
    QCOMPARE(convert->text(), QStringLiteral("変換"));
    QVERIFY(convert->isDefault());
    QCOMPARE(Control<QPushButton>(*dialog, id::kCancel)->text(), QStringLiteral("ｷｬﾝｾﾙ"));
    QCOMPARE(Control<QPushButton>(*dialog, id::kBrowseInput)->text(), QStringLiteral("参照"));
    QCOMPARE(Control<QPushButton>(*dialog, id::kBrowseOutput)->text(), QStringLiteral("参照"));
    QStringList labels;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("音声案内")));
    QVERIFY(labels.contains(QStringLiteral("アイコン")));

    // Minimise, but neither maximise nor resize.
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(!dialog->windowIcon().isNull());
  }

  void theMenuBarHasOnlyHelpWithOnlyVersion() {
    auto dialog = Open({});
    auto* bar = dialog->findChild<QMenuBar*>();
    QVERIFY(bar != nullptr);
    const QList<QAction*> popups = bar->actions();
    QCOMPARE(popups.size(), 1);
    QCOMPARE(popups[0]->text(), QStringLiteral("ヘルプ"));
    QVERIFY(popups[0]->menu() != nullptr);
    const QList<QAction*> items = popups[0]->menu()->actions();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0]->text(), QStringLiteral("バーション"));
    QCOMPARE(items[0]->data().toInt(), id::kVersionCommand);
  }

  void theVoiceComboListsTheTableAndSelectsNoSound() {
    auto dialog = Open({});
    auto* combo = Control<QComboBox>(*dialog, id::kVoiceCombo);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->count(), kVoiceGuidanceRows);
    for (int row = 0; row < kVoiceGuidanceRows; ++row) {
      QCOMPARE(combo->itemText(row), ToQString(VoiceGuidanceTable()[row].name));
    }
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), QStringLiteral("設定なし"));
  }

  void theIconSpinShowsOneAndStaysWithinOneToThirtyOne() {
    auto dialog = Open({});
    auto* spin = Control<QSpinBox>(*dialog, id::kIconSpin);
    auto* field = Control<QLineEdit>(*dialog, id::kIconNumberField);
    QVERIFY(spin != nullptr && field != nullptr);
    QCOMPARE(field->text(), QStringLiteral("1"));
    QCOMPARE(spin->minimum(), 1);
    QCOMPARE(spin->maximum(), 31);
    QVERIFY(!spin->wrapping());
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(spin->value(), 1);
    spin->setValue(31);
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->value(), 31);
    QCOMPARE(field->text(), QStringLiteral("31"));
  }

  void theCommandLineGivesTheInputAndTheDerivedOutput_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("folder");

    const QString my_points = QStringLiteral("C:\\data\\my points.mem");
    // The shell takes the quotes off a quoted path.
    QTest::newRow("quoted path with a blank")
        << QStringList{my_points} << my_points << QStringLiteral("C:\\data\\my points.pmf")
        << QStringLiteral("C:\\data\\");
    QTest::newRow("the same path unquoted")
        << QStringList{QStringLiteral("C:\\data\\my"), QStringLiteral("points.mem")} << my_points
        << QStringLiteral("C:\\data\\my points.pmf") << QStringLiteral("C:\\data\\");
    QTest::newRow("a second quoted path is ignored")
        << QStringList{my_points, QStringLiteral("C:\\out\\other file.pmf")} << my_points
        << QStringLiteral("C:\\data\\my points.pmf") << QStringLiteral("C:\\data\\");
    QTest::newRow("comma") << QStringList{QStringLiteral("a.mem,b.pmf")} << QStringLiteral("a.mem")
                           << QStringLiteral("a.pmf") << QString();
    QTest::newRow("Japanese folder")
        << QStringList{QStringLiteral("/home/user/地点データ/東京.MEM")}
        << QStringLiteral("/home/user/地点データ/東京.MEM")
        << QStringLiteral("/home/user/地点データ/東京.pmf")
        << QStringLiteral("/home/user/地点データ/");
    QTest::newRow("not a .mem file is taken as it is")
        << QStringList{QStringLiteral("notes.txt")} << QStringLiteral("notes.txt")
        << QStringLiteral("notes.pmf") << QString();
  }
  void theCommandLineGivesTheInputAndTheDerivedOutput() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, folder);
    ModalAnswerer answerer;
    auto dialog = Open(arguments);
    auto* input_field = Control<QLineEdit>(*dialog, id::kInputField);
    QCOMPARE(input_field->text(), input);
    QCOMPARE(Control<QLineEdit>(*dialog, id::kOutputField)->text(), output);
    QCOMPARE(Cp932ToQString(dialog->InputPath()), input);
    QCOMPARE(Cp932ToQString(dialog->OutputPath()), output);
    QCOMPARE(Cp932ToQString(dialog->RememberedInputFolder()), folder);
    QCOMPARE(Cp932ToQString(dialog->RememberedOutputFolder()), folder);
    QTRY_VERIFY(HasFocusWithWholeText(*input_field));
    QVERIFY(answerer.seen.empty());
  }

  void onlyDelimitersLeaveBothPathsEmpty() {
    auto dialog = Open({QStringLiteral("\",\"")});
    QVERIFY(dialog->InputPath().empty());
    QVERIFY(dialog->OutputPath().empty());
    QCOMPARE(dialog->RememberedInputFolder(), QDir::currentPath().toStdString());
    QTRY_VERIFY(HasFocusWithWholeText(*Control<QLineEdit>(*dialog, id::kInputField)));
  }

  // A long argument is kept whole rather than cut into the name of another file.
  void aLongCommandLineIsKeptWhole() {
    const QString text = QString(254, u'a') + QStringLiteral("東.mem");
    auto dialog = Open({text});
    QCOMPARE(Cp932ToQString(dialog->InputPath()), text);
    QCOMPARE(Cp932ToQString(dialog->OutputPath()), QString(254, u'a') + QStringLiteral("東.pmf"));
  }

  void anArgumentThatCp932CannotSpellIsRefusedWithAMessage() {
    ModalAnswerer answerer;
    auto dialog = Open({QStringLiteral("C:\\data\\caf\u00e9\U0001F600.mem")});
    QVERIFY(dialog->InputPath().empty());
    QCOMPARE(Control<QLineEdit>(*dialog, id::kInputField)->text(), QString());
    QCOMPARE(answerer.seen.size(), 1u);
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Warning);
    QVERIFY(answerer.seen[0].text.contains(QStringLiteral("\U0001F600")));
  }
};

}  // namespace quorvane::testing

QTEST_MAIN(quorvane::testing::StartUpTest)
#include "start_up_test.moc"
