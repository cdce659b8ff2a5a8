// The About box from both menus, the window menu's other commands, and F1.
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/about_dialog.h"
#include "app/converter_app.h"
#include "app/converter_dialog.h"
#include "app/dialog_message_sink.h"
#include "app/template_dialog.h"
#include "dialog_test_support.h"
#include "resources/resource_ids.h"
#include "support/fixed_clock.h"

namespace quorvane::testing {

namespace {

namespace id = resource_id;

// What the About box showed.
struct AboutContents {
  QString title;
  QStringList texts;
  bool has_icon = false;
  QString button;
};

}  // namespace

class AboutBoxTest : public QObject {
  Q_OBJECT

 private:
  // Answers the About box by reading it and pressing its OK button.
  void ReadAboutBoxes(ModalAnswerer& answerer) {
    answerer.on_dialog = [this](QDialog& dialog) {
      AboutContents contents{dialog.windowTitle(), {}, false, {}};
      for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
          contents.has_icon = true;
        } else {
          contents.texts << label->text();
        }
      }
      if (auto* ok = dialog.findChild<QPushButton*>(ControlName(id::kOk))) {
        contents.button = ok->text();
        ok->click();
      }
      about_boxes_.push_back(contents);
    };
  }
  void ExpectOneAboutBoxAndTheDialogAsItWas(const ModalAnswerer& answerer) {
    QCOMPARE(answerer.seen.size(), 1u);
    QCOMPARE(answerer.seen[0].class_name, QStringLiteral("quorvane::AboutDialog"));
    QCOMPARE(about_boxes_.size(), 1u);
    const AboutContents& about = about_boxes_[0];
    QCOMPARE(about.title, QStringLiteral("Quorvaneのﾊﾞｰｼﾞｮﾝ情報"));
    QVERIFY(about.texts.contains(QStringLiteral("Quorvane Version 1.000")));
    QCOMPARE(about.texts.size(), 2);
    QVERIFY(about.has_icon);
    QCOMPARE(about.button, QStringLiteral("OK"));
    QVERIFY(dialog_->isVisible());
    QCOMPARE(input_->text(), QStringLiteral("C:\\data\\route.mem"));
    QCOMPARE(output_->text(), QStringLiteral("C:\\data\\route.pmf"));
    QCOMPARE(dialog_->InputPath(), std::string("C:\\data\\route.mem"));
    QTRY_VERIFY(HasFocusWithWholeText(*input_));
  }

  ScriptedFileDialogs file_dialogs_;
  FixedClock clock_ = JanuaryFifthClock();
  std::unique_ptr<ConverterDialog> dialog_;
  QLineEdit* input_ = nullptr;
  QLineEdit* output_ = nullptr;
  std::vector<AboutContents> about_boxes_;

 private slots:
  void init() {
    about_boxes_.clear();
    dialog_ = std::make_unique<ConverterDialog>(
        QStringList{QStringLiteral("C:\\data\\route.mem")},
        ConverterDialog::Services{file_dialogs_, SystemFileSystem(), clock_});
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(dialog_.get());
    input_ = dialog_->findChild<QLineEdit*>(ControlName(id::kInputField));
    output_ = dialog_->findChild<QLineEdit*>(ControlName(id::kOutputField));
  }
  void cleanup() { dialog_.reset(); }

  void versionInTheHelpMenuOpensTheAboutBox() {
    ModalAnswerer answerer;
    ReadAboutBoxes(answerer);
    QAction* version = dialog_->findChild<QMenuBar*>()->actions()[0]->menu()->actions()[0];
    version->trigger();
    ExpectOneAboutBoxAndTheDialogAsItWas(answerer);
  }

  void theWindowMenuEndsWithASeparatorAndTheAboutItem() {
    const QList<QAction*> items = dialog_->WindowMenu().actions();
    QVERIFY(items.size() >= 3);
    QVERIFY(items[items.size() - 2]->isSeparator());
    QCOMPARE(items.last()->text(), QStringLiteral("Quorvane のﾊﾞｰｼﾞｮﾝ情報(&A)..."));

    ModalAnswerer answerer;
    ReadAboutBoxes(answerer);
    items.last()->trigger();
    ExpectOneAboutBoxAndTheDialogAsItWas(answerer);
  }

  void theRightMouseButtonOpensTheWindowMenu() {
    ModalAnswerer answerer;
    const QPoint at(5, dialog_->height() - 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, dialog_->mapToGlobal(at));
    QApplication::sendEvent(dialog_.get(), &event);
    QCOMPARE(answerer.seen.size(), 1u);
    QCOMPARE(answerer.seen[0].class_name, QStringLiteral("QMenu"));
    QVERIFY(answerer.seen[0].text.endsWith(QStringLiteral("Quorvane のﾊﾞｰｼﾞｮﾝ情報(&A)...")));
  }

  void windowCommandsSixteenToThirtyOneOpenTheAboutBox_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("boxes");
    QTest::newRow("16") << 16 << 1;
    QTest::newRow("31") << 31 << 1;
    QTest::newRow("15") << 15 << 0;
    QTest::newRow("32") << 32 << 0;
  }
  void windowCommandsSixteenToThirtyOneOpenTheAboutBox() {
    QFETCH(int, command);
    QFETCH(int, boxes);
    ModalAnswerer answerer;
    dialog_->OnSysCommand(command);
    QCOMPARE(int(answerer.seen.size()), boxes);
    QVERIFY(dialog_->isVisible());
  }

  void theCloseItemCancelsTheDialog() {
    dialog_->OnSysCommand(ConverterDialog::kCloseCommand);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->result(), int(QDialog::Rejected));
  }

  void f1ShowsHelpAndChangesNothing() {
    ModalAnswerer answerer;
    QObject::connect(dialog_.get(), &ConverterDialog::HelpRequested, dialog_.get(),
                     [this] { ConverterApp::OnHelp(*dialog_); });
    input_->setFocus();
    QTest::keyClick(input_, Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(answerer.seen.empty());
    QTest::keyClick(input_, Qt::Key_F1);
    QCOMPARE(answerer.seen.size(), 1u);
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Quorvane の使い方"));
    QVERIFY(answerer.seen[0].text.contains(QStringLiteral("変換")));
    QCOMPARE(input_->text(), QStringLiteral("C:\\data\\route.mem"));
    QCOMPARE(output_->text(), QStringLiteral("C:\\data\\route.pmf"));
    QCOMPARE(dialog_->OutputPath(), std::string("C:\\data\\route.pmf"));
  }

  void theAboutBoxClosesWithEscape() {
    AboutDialog about(dialog_.get());
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
  }
};

}  // namespace quorvane::testing

QTEST_MAIN(quorvane::testing::AboutBoxTest)
#include "about_box_test.moc"
