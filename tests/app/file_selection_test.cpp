// Choosing files in the file dialogs and dropping files on the window.
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <memory>

#include "app/converter_dialog.h"
#include "app/qt_text.h"
#include "app/template_dialog.h"
#include "dialog_test_support.h"
#include "resources/resource_ids.h"
#include "support/fixed_clock.h"

namespace quorvane::testing {

namespace {

namespace id = resource_id;

enum class DropTarget { InputField, OutputField, Dialog, VoiceComboText, IconNumberField, Button };

}  // namespace

class FileSelectionTest : public QObject {
  Q_OBJECT

 private:
  template <typename Widget>
  Widget* Control(int control_id) const {
    return dialog_->findChild<Widget*>(ControlName(control_id));
  }
  void Click(int control_id) const { Control<QPushButton>(control_id)->click(); }
  QWidget* Target(DropTarget target) const {
    switch (target) {
      case DropTarget::InputField:
        return input_;
      case DropTarget::OutputField:
        return output_;
      case DropTarget::Dialog:
        return dialog_.get();
      case DropTarget::VoiceComboText:
        return Control<QComboBox>(id::kVoiceCombo)->lineEdit();
      case DropTarget::IconNumberField:
        return Control<QLineEdit>(id::kIconNumberField);
      case DropTarget::Button:
        return Control<QPushButton>(id::kOk);
    }
    return nullptr;
  }
  // A drop as the window system delivers it: the drag enters, then drops. True when both
  // were accepted.
  static bool Drop(QWidget& target, QMimeData& mime) {
    const QPoint at = target.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return enter.isAccepted() && drop.isAccepted();
  }
  static bool DropFiles(QWidget& target, const QStringList& paths) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    return Drop(target, mime);
  }

  ScriptedFileDialogs file_dialogs_;
  FixedClock clock_ = JanuaryFifthClock();
  std::unique_ptr<ConverterDialog> dialog_;
  QLineEdit* input_ = nullptr;
  QLineEdit* output_ = nullptr;
  std::string current_;

 private slots:
  void init() {
    file_dialogs_ = ScriptedFileDialogs();
    dialog_ = std::make_unique<ConverterDialog>(
        QStringList{}, ConverterDialog::Services{file_dialogs_, SystemFileSystem(), clock_});
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(dialog_.get());
    input_ = Control<QLineEdit>(id::kInputField);
    output_ = Control<QLineEdit>(id::kOutputField);
    current_ = QDir::toNativeSeparators(QDir::currentPath()).toStdString();
  }
  void cleanup() { dialog_.reset(); }

  void browseInputAsksWithTheInputTitleFiltersAndFolder() {
    Click(id::kBrowseInput);
    QCOMPARE(file_dialogs_.requests.size(), 1u);
    const FileDialogRequest& request = file_dialogs_.requests[0];
    QCOMPARE(request.kind, FileDialogKind::Open);
    QCOMPARE(request.title, QStringLiteral("入力 ファイル指定"));
    QCOMPARE(request.filters.size(), 2u);
    // The one format serves both dialogs, so the input's filter also says 出力.
    QCOMPARE(request.filters[0].display, QStringLiteral("出力 ファイル (*.mem)"));
    QCOMPARE(request.filters[0].pattern, QStringLiteral("*.mem"));
    QCOMPARE(request.filters[1].display, QStringLiteral("すべてのファイル (*.*)"));
    QCOMPARE(request.filters[1].pattern, QStringLiteral("*.*"));
    QCOMPARE(request.default_extension, QStringLiteral("mem"));
    QCOMPARE(request.initial_folder.toStdString(), current_);
    QVERIFY(!request.folder_must_exist);
  }

  void aChosenInputSetsBothFieldsAndTheFoldersAndSelectsTheOutput() {
    file_dialogs_.answers.push_back(QStringLiteral("/home/user/地点/POINTS.mem"));
    Click(id::kBrowseInput);
    QCOMPARE(input_->text(), QStringLiteral("/home/user/地点/POINTS.mem"));
    QCOMPARE(output_->text(), QStringLiteral("/home/user/地点/POINTS.pmf"));
    QCOMPARE(Cp932ToQString(dialog_->RememberedInputFolder()), QStringLiteral("/home/user/地点/"));
    QCOMPARE(Cp932ToQString(dialog_->RememberedOutputFolder()), QStringLiteral("/home/user/地点/"));
    QTRY_VERIFY(HasFocusWithWholeText(*output_));

    // Both dialogs now start in that folder.
    Click(id::kBrowseInput);
    Click(id::kBrowseOutput);
    QCOMPARE(file_dialogs_.requests[1].initial_folder, QStringLiteral("/home/user/地点/"));
    QCOMPARE(file_dialogs_.requests[2].initial_folder, QStringLiteral("/home/user/地点/"));
  }

  void cancellingTheInputDialogChangesNothingAndSelectsTheInput() {
    input_->setText(QStringLiteral("typed.mem"));
    output_->setText(QStringLiteral("typed.pmf"));
    output_->setFocus();
    Click(id::kBrowseInput);
    QCOMPARE(input_->text(), QStringLiteral("typed.mem"));
    QCOMPARE(output_->text(), QStringLiteral("typed.pmf"));
    QVERIFY(dialog_->InputPath().empty());
    QCOMPARE(dialog_->RememberedInputFolder(), current_);
    QTRY_VERIFY(HasFocusWithWholeText(*input_));
  }

  // Names are kept whole, however long: the file system is the one to refuse a name.
  void aLongChosenNameIsKeptWhole() {
    const QString folder = QStringLiteral("/") + QString(300, u'a') + QStringLiteral("/");
    file_dialogs_.answers.push_back(folder + QStringLiteral("points.mem"));
    Click(id::kBrowseInput);
    QCOMPARE(input_->text(), folder + QStringLiteral("points.mem"));
    QCOMPARE(output_->text(), folder + QStringLiteral("points.pmf"));
    QCOMPARE(Cp932ToQString(dialog_->RememberedInputFolder()), folder);
  }

  void browseOutputAsksForASaveWithOverwriteCheck() {
    Click(id::kBrowseOutput);
    QCOMPARE(file_dialogs_.requests.size(), 1u);
    const FileDialogRequest& request = file_dialogs_.requests[0];
    QCOMPARE(request.kind, FileDialogKind::Save);
    QCOMPARE(request.title, QStringLiteral("出力 ファイル指定"));
    QCOMPARE(request.filters.size(), 2u);
    QCOMPARE(request.filters[0].display, QStringLiteral("出力 ファイル (*.pmf)"));
    QCOMPARE(request.filters[0].pattern, QStringLiteral("*.pmf"));
    QCOMPARE(request.filters[1].display, QStringLiteral("すべてのファイル (*.*)"));
    QCOMPARE(request.default_extension, QStringLiteral("pmf"));
    QCOMPARE(request.initial_folder.toStdString(), current_);
    QVERIFY(request.confirm_overwrite);
    QVERIFY(request.folder_must_exist);
  }

  // Typed text in the input field survives choosing an output file, and the output dialog's
  // folder becomes that input's folder.
  void choosingAnOutputKeepsTheTypedInput() {
    input_->setText(QStringLiteral("C:\\typed\\in.mem"));
    file_dialogs_.answers.push_back(QStringLiteral("/out/chosen.pmf"));
    Click(id::kBrowseOutput);
    QCOMPARE(input_->text(), QStringLiteral("C:\\typed\\in.mem"));
    QCOMPARE(output_->text(), QStringLiteral("/out/chosen.pmf"));
    QCOMPARE(dialog_->InputPath(), std::string("C:\\typed\\in.mem"));
    QCOMPARE(dialog_->OutputPath(), std::string("/out/chosen.pmf"));
    QCOMPARE(dialog_->RememberedOutputFolder(), std::string("C:\\typed\\"));
    QCOMPARE(dialog_->RememberedInputFolder(), current_);
    QTRY_VERIFY(HasFocusWithWholeText(*output_));
  }

  void cancellingTheOutputDialogChangesNothingAndSelectsTheOutput() {
    input_->setText(QStringLiteral("typed.mem"));
    output_->setText(QStringLiteral("typed.pmf"));
    input_->setFocus();
    Click(id::kBrowseOutput);
    QCOMPARE(input_->text(), QStringLiteral("typed.mem"));
    QCOMPARE(output_->text(), QStringLiteral("typed.pmf"));
    QVERIFY(dialog_->OutputPath().empty());
    QCOMPARE(dialog_->RememberedOutputFolder(), current_);
    QTRY_VERIFY(HasFocusWithWholeText(*output_));
  }

  void dropsOfTheRightTypeSetBothFields_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("folder");
    const QString points = QStringLiteral("/data/route/POINTS.MEM");
    for (const auto& [name, target] : {std::pair{"input field", DropTarget::InputField},
                                       std::pair{"output field", DropTarget::OutputField},
                                       std::pair{"window", DropTarget::Dialog},
                                       std::pair{"voice combo text", DropTarget::VoiceComboText},
                                       std::pair{"icon number field", DropTarget::IconNumberField},
                                       std::pair{"button", DropTarget::Button}}) {
      QTest::addRow("POINTS.MEM on the %s", name)
          << int(target) << QStringList{points} << points
          << QStringLiteral("/data/route/POINTS.pmf") << QStringLiteral("/data/route/");
    }
    QTest::newRow("several keep the last")
        << int(DropTarget::InputField)
        << QStringList{QStringLiteral("/a/one.mem"), QStringLiteral("/a/two.txt"),
                       QStringLiteral("/b/three.mem")}
        << QStringLiteral("/b/three.mem") << QStringLiteral("/b/three.pmf")
        << QStringLiteral("/b/");
    QTest::newRow("blank in the name")
        << int(DropTarget::InputField) << QStringList{QStringLiteral("/my data/my points.mem")}
        << QStringLiteral("/my data/my points.mem") << QStringLiteral("/my data/my points.pmf")
        << QStringLiteral("/my data/");
    QTest::newRow("Japanese name")
        << int(DropTarget::InputField) << QStringList{QStringLiteral("/地点/東京タワー.Mem")}
        << QStringLiteral("/地点/東京タワー.Mem") << QStringLiteral("/地点/東京タワー.pmf")
        << QStringLiteral("/地点/");
  }
  void dropsOfTheRightTypeSetBothFields() {
    QFETCH(int, target);
    QFETCH(QStringList, files);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(QString, folder);
    ModalAnswerer answerer;
    QVERIFY(DropFiles(*Target(DropTarget(target)), files));
    QCOMPARE(input_->text(), input);
    QCOMPARE(output_->text(), output);
    QCOMPARE(Cp932ToQString(dialog_->InputPath()), input);
    QCOMPARE(Cp932ToQString(dialog_->OutputPath()), output);
    QCOMPARE(Cp932ToQString(dialog_->RememberedInputFolder()), folder);
    QCOMPARE(Cp932ToQString(dialog_->RememberedOutputFolder()), folder);
    // No field took the drop as text of its own.
    QCOMPARE(Control<QComboBox>(id::kVoiceCombo)->currentText(), QStringLiteral("設定なし"));
    QCOMPARE(Control<QLineEdit>(id::kIconNumberField)->text(), QStringLiteral("1"));
    QVERIFY(answerer.seen.empty());
  }

  void dropsOfAnotherTypeWarnAndLeaveTheFields_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("held_input");
    QTest::newRow("txt") << QStringList{QStringLiteral("/data/points.txt")}
                         << QStringLiteral("/data/points.txt");
    QTest::newRow("the last of several")
        << QStringList{QStringLiteral("/data/a.mem"), QStringLiteral("/data/b.pmf")}
        << QStringLiteral("/data/b.pmf");
    QTest::newRow("comma cuts the name")
        << QStringList{QStringLiteral("/a,b/points.mem")} << QStringLiteral("/a");
    QTest::newRow("no extension") << QStringList{QStringLiteral("/data/points")}
                                  << QStringLiteral("/data/points");
    QTest::newRow("extension in a folder name only")
        << QStringList{QStringLiteral("/data.mem/points")} << QStringLiteral("/data.mem/points");
    QTest::newRow("mem.bak") << QStringList{QStringLiteral("/data/points.mem.bak")}
                             << QStringLiteral("/data/points.mem.bak");
  }
  void dropsOfAnotherTypeWarnAndLeaveTheFields() {
    QFETCH(QStringList, files);
    QFETCH(QString, held_input);
    ModalAnswerer answerer;
    input_->setText(QStringLiteral("keep.mem"));
    output_->setText(QStringLiteral("keep.pmf"));
    QVERIFY(DropFiles(*input_, files));
    QCOMPARE(answerer.seen.size(), 1u);
    QCOMPARE(answerer.seen[0].text, QStringLiteral("入力ファイルのファイルタイプが違います。\n"
                                                   "拡張子[.mem]のファイルを選択して下さい。"));
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Error"));
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Warning);
    QCOMPARE(input_->text(), QStringLiteral("keep.mem"));
    QCOMPARE(output_->text(), QStringLiteral("keep.pmf"));
    QCOMPARE(Cp932ToQString(dialog_->InputPath()), held_input);
    QVERIFY(dialog_->OutputPath().empty());
    QCOMPARE(dialog_->RememberedInputFolder(), current_);
    QCOMPARE(dialog_->RememberedOutputFolder(), current_);
  }

  void dropsWithoutLocalFilesAreNotTaken() {
    ModalAnswerer answerer;
    QMimeData text;
    text.setText(QStringLiteral("/data/points.mem"));
    QVERIFY(!Drop(*dialog_, text));
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.com/points.mem"))});
    QVERIFY(!Drop(*dialog_, remote));
    QCOMPARE(input_->text(), QString());
    QVERIFY(answerer.seen.empty());
  }
};

}  // namespace quorvane::testing

QTEST_MAIN(quorvane::testing::FileSelectionTest)
#include "file_selection_test.moc"
