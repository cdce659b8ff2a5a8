// The convert command: the values it takes, its reaction to each result of the run, and the
// messages the user sees.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "app/converter_dialog.h"
#include "app/dialog_message_sink.h"
#include "app/qt_text.h"
#include "app/template_dialog.h"
#include "dialog_test_support.h"
#include "resources/resource_ids.h"
#include "support/fixed_clock.h"
#include "support/mem_image_builder.h"
#include "support/scripted_file_system.h"
#include "support/temp_folder.h"

namespace quorvane::testing {

namespace {

namespace id = resource_id;

std::string ToCp932(const QString& text) {
  return QStringToCp932(text).value_or(std::string());
}

// One point: 東京タワー at 139.41.30.254 / 35.39.29.125, second text ﾄｳｷｮｳ, digits 0123456789.
MemImageBuilder TokyoTowerImage() {
  MemImageBuilder image;
  image.Present(0)
      .Longitude(0, {0x1E, 0xB1, 0xA8, 0x41})
      .Latitude(0, {0x07, 0xD5, 0xC4, 0x20})
      .Name(0, ToCp932(QStringLiteral("東京タワー")))
      .ExtraText(0, ToCp932(QStringLiteral("ﾄｳｷｮｳ")))
      .Digits(0, {0x01, 0x23, 0x45, 0x67, 0x89});
  return image;
}

// The point file of that image converted at 09:30:05 on 5 January 2024.
std::vector<unsigned char> TokyoTowerPointFile(const std::string& icon, const std::string& code) {
  const bool sound = code != "FFFF";
  std::string line = "#" + icon + "\t#00\t#00\t#13941302\t#03539291\t";
  for (int i = 0; i < 4; ++i) line += "#0800\t";
  line += "#" + code + "\t#" + (sound ? "01" : "00") + "\t#05\t#" +
          ToCp932(QStringLiteral("東京タワー")) + "\t#00\t#00\t#" + (sound ? "0300" : "0000") +
          "\t#\t#\t#\t#\t#" + ToCp932(QStringLiteral("ﾄｳｷｮｳ")) +
          "\t#20240105093005\t#01\t#0123456789\t#B4\r\n";
  const std::string file = ToCp932(QStringLiteral("登録ポイント")) + "\r\n" + line;
  return {file.begin(), file.end()};
}

}  // namespace

class ConvertTest : public QObject {
  Q_OBJECT

 private:
  void Open() {
    dialog_ = std::make_unique<ConverterDialog>(
        QStringList{}, ConverterDialog::Services{file_dialogs_, files_, clock_});
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(dialog_.get());
    input_ = dialog_->findChild<QLineEdit*>(ControlName(id::kInputField));
    output_ = dialog_->findChild<QLineEdit*>(ControlName(id::kOutputField));
    spin_ = dialog_->findChild<QSpinBox*>(ControlName(id::kIconSpin));
    icon_field_ = dialog_->findChild<QLineEdit*>(ControlName(id::kIconNumberField));
    combo_ = dialog_->findChild<QComboBox*>(ControlName(id::kVoiceCombo));
  }
  void Convert() { dialog_->findChild<QPushButton*>(ControlName(id::kOk))->click(); }
  QString Path(const char* name) const {
    return QString::fromStdString((folder_->Path() / name).string());
  }
  bool StillOpen() const { return dialog_->isVisible() && dialog_->result() != QDialog::Accepted; }

  ScriptedFileDialogs file_dialogs_;
  ScriptedFileSystem files_;
  FixedClock clock_ = JanuaryFifthClock();
  std::unique_ptr<TempFolder> folder_;
  std::unique_ptr<ConverterDialog> dialog_;
  QLineEdit* input_ = nullptr;
  QLineEdit* output_ = nullptr;
  QSpinBox* spin_ = nullptr;
  QLineEdit* icon_field_ = nullptr;
  QComboBox* combo_ = nullptr;

 private slots:
  void init() {
    files_ = ScriptedFileSystem();
    folder_ = std::make_unique<TempFolder>();
    Open();
  }
  void cleanup() {
    dialog_.reset();
    folder_.reset();
  }

  void anInputOfAnotherTypeSelectsTheInputField_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("txt") << QStringLiteral("C:\\data\\route.txt")
                         << QStringLiteral("C:\\out\\x.pmf");
    QTest::newRow("both empty") << QString() << QString();
    QTest::newRow("trailing blank") << QStringLiteral("route.mem ") << QStringLiteral("route.pmf");
  }
  void anInputOfAnotherTypeSelectsTheInputField() {
    QFETCH(QString, input);
    QFETCH(QString, output);
    ModalAnswerer answerer;
    input_->setText(input);
    output_->setText(output);
    output_->setFocus();
    Convert();
    QTRY_VERIFY(HasFocusWithWholeText(*input_));
    QCOMPARE(output_->text(), output);
    QVERIFY(answerer.seen.empty());
    QVERIFY(files_.read_opens.empty());
    QVERIFY(StillOpen());
  }

  void anOutputOfAnotherTypeIsDerivedAndSelected_data() {
    QTest::addColumn<QString>("output");
    QTest::newRow("empty") << QString();
    QTest::newRow("txt") << QStringLiteral("C:\\out\\route.txt");
  }
  void anOutputOfAnotherTypeIsDerivedAndSelected() {
    QFETCH(QString, output);
    ModalAnswerer answerer;
    input_->setText(QStringLiteral("C:\\data\\route.mem"));
    output_->setText(output);
    input_->setFocus();
    Convert();
    QCOMPARE(output_->text(), QStringLiteral("C:\\data\\route.pmf"));
    QCOMPARE(input_->text(), QStringLiteral("C:\\data\\route.mem"));
    QTRY_VERIFY(HasFocusWithWholeText(*output_));
    QCOMPARE(dialog_->RememberedInputFolder(), std::string("C:\\data\\"));
    QCOMPARE(dialog_->RememberedOutputFolder(), std::string("C:\\data\\"));
    QVERIFY(answerer.seen.empty());
    QVERIFY(files_.read_opens.empty());
    QVERIFY(StillOpen());
  }

  void theConvertCommandAfterARepairedOutputConverts() {
    ModalAnswerer answerer;
    TokyoTowerImage().WriteTo(folder_->Path() / "route.mem");
    input_->setText(Path("route.mem"));
    Convert();
    QCOMPARE(output_->text(), Path("route.pmf"));
    Convert();
    QCOMPARE(answerer.seen.size(), 1u);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    QCOMPARE(ReadAllBytes(folder_->Path() / "route.pmf"), TokyoTowerPointFile("01", "FFFF"));
  }

  void aMissingInputShowsBothMessagesAndStaysOpen() {
    ModalAnswerer answerer;
    const QString missing = Path("missing.mem");
    input_->setText(missing);
    output_->setText(Path("out.pmf"));
    Convert();
    QCOMPARE(answerer.seen.size(), 2u);
    QCOMPARE(answerer.seen[0].text, QStringLiteral("ファイルが見つかりませんでした。"));
    QCOMPARE(answerer.seen[0].title, ApplicationName());
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Warning);
    QCOMPARE(answerer.seen[1].text,
             QStringLiteral("ファイル ") + missing + QStringLiteral(" の読み込みに失敗しました"));
    QCOMPARE(answerer.seen[1].title, QStringLiteral("ERROR"));
    QCOMPARE(answerer.seen[1].icon, QMessageBox::NoIcon);
    QVERIFY(StillOpen());
    QCOMPARE(input_->text(), missing);
    QCOMPARE(output_->text(), Path("out.pmf"));
    QCOMPARE(Cp932ToQString(dialog_->InputPath()), missing);
  }

  void anOutputThatCannotBeOpenedShowsOnlyItsMessageAndStaysOpen() {
    ModalAnswerer answerer;
    TokyoTowerImage().WriteTo(folder_->Path() / "route.mem");
    files_.fail_replace_open = OpenFailureCause::SharingViolation;
    input_->setText(Path("route.mem"));
    output_->setText(Path("route.pmf"));
    Convert();
    QCOMPARE(answerer.seen.size(), 1u);
    QCOMPARE(answerer.seen[0].text, QStringLiteral("ファイルの共有違反です"));
    QCOMPARE(answerer.seen[0].title, ApplicationName());
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Warning);
    QVERIFY(StillOpen());

    // The same values again read the input again and now convert.
    files_.fail_replace_open.reset();
    Convert();
    QCOMPARE(files_.read_opens.size(), 2u);
    QCOMPARE(answerer.seen.size(), 2u);
    QVERIFY(!dialog_->isVisible());
  }

  // What reaches the point file from the icon spin and the voice combo.
  void aConversionWritesThePointFileAndCloses_data() {
    QTest::addColumn<int>("spin_value");
    QTest::addColumn<QString>("icon_text");  // typed over the spin's field; null: none
    QTest::addColumn<int>("voice_row");
    QTest::addColumn<QString>("voice_text");  // typed into the combo; null: none
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("code");

    QTest::newRow("icon 5, 路面注意") << 5 << QString() << 3 << QString() << "05"
                                      << "00DC";
    QTest::newRow("icon 31, マンボ") << 31 << QString() << 64 << QString() << "31"
                                     << "00C4";
    QTest::newRow("icon field not a number keeps the last position")
        << 7 << QStringLiteral("x") << 0 << QString() << "07"
        << "FFFF";
    QTest::newRow("icon field out of range keeps the last position")
        << 9 << QStringLiteral("0") << 0 << QString() << "09"
        << "FFFF";
    QTest::newRow("a typed name picks its row")
        << 1 << QString() << 0 << QStringLiteral("ベル音") << "01"
        << "0004";
    QTest::newRow("other typed text keeps the row selected last")
        << 1 << QString() << 64 << QStringLiteral("ベル") << "01"
        << "00C4";
  }
  void aConversionWritesThePointFileAndCloses() {
    QFETCH(int, spin_value);
    QFETCH(QString, icon_text);
    QFETCH(int, voice_row);
    QFETCH(QString, voice_text);
    QFETCH(QString, icon);
    QFETCH(QString, code);
    ModalAnswerer answerer;
    TokyoTowerImage().WriteTo(folder_->Path() / "POINTS.MEM");
    input_->setText(Path("POINTS.MEM"));
    output_->setText(Path("points.pmf"));
    spin_->setValue(spin_value);
    if (!icon_text.isNull()) {
      icon_field_->selectAll();
      QTest::keyClicks(icon_field_, icon_text);
    }
    combo_->setCurrentIndex(voice_row);
    if (!voice_text.isNull()) combo_->setEditText(voice_text);

    Convert();

    QCOMPARE(answerer.seen.size(), 1u);
    QCOMPARE(answerer.seen[0].text,
             QStringLiteral("変換が終了しました。\nOKボタンを押して下さい。"));
    QCOMPARE(answerer.seen[0].title, QStringLiteral("終了"));
    QCOMPARE(answerer.seen[0].icon, QMessageBox::NoIcon);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    QCOMPARE(ReadAllBytes(folder_->Path() / "points.pmf"),
             TokyoTowerPointFile(icon.toStdString(), code.toStdString()));
  }

  void theEnterKeyConvertsFromEveryField_data() {
    QTest::addColumn<int>("control");
    QTest::newRow("output field") << int(id::kOutputField);
    QTest::newRow("icon number") << int(id::kIconSpin);
    QTest::newRow("voice combo") << int(id::kVoiceCombo);
  }
  void theEnterKeyConvertsFromEveryField() {
    QFETCH(int, control);
    ModalAnswerer answerer;
    input_->setText(QStringLiteral("route.txt"));
    QWidget* field = dialog_->findChild<QWidget*>(ControlName(control));
    field->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(HasFocusWithWholeText(*input_));
    QVERIFY(StillOpen());
    QCOMPARE(combo_->count(), 65);  // Enter in the combo adds no row
  }

  void escapeCancels() {
    ModalAnswerer answerer;
    input_->setFocus();
    QTest::keyClick(input_, Qt::Key_Escape);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->result(), int(QDialog::Rejected));
    QVERIFY(answerer.seen.empty());
  }

  void aFieldThatCp932CannotSpellIsRefusedBeforeAnythingIsRead() {
    ModalAnswerer answerer;
    input_->setText(QStringLiteral("C:\\data\\caf\u00e9.mem"));
    output_->setText(QStringLiteral("C:\\data\\cafe.pmf"));
    Convert();
    QCOMPARE(answerer.seen.size(), 1u);
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Warning);
    QVERIFY(answerer.seen[0].text.contains(QStringLiteral("caf\u00e9.mem")));
    QVERIFY(files_.read_opens.empty());
    QVERIFY(dialog_->InputPath().empty());
    QTRY_VERIFY(HasFocusWithWholeText(*input_));
    QVERIFY(StillOpen());
  }
};

}  // namespace quorvane::testing

QTEST_MAIN(quorvane::testing::ConvertTest)
#include "convert_test.moc"
