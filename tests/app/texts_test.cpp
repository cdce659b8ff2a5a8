// The CP932 bytes of the fixed Japanese texts of the dialogs agree with their readable form.
#include <QTest>
#include <vector>

#include "app/app_texts.h"
#include "common/text_codec.h"
#include "resources/dialog_template.h"
#include "resources/menu_resource.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace quorvane::testing {

class TextsTest : public QObject {
  Q_OBJECT

 private:
  static std::vector<JapaneseText> AllTexts() {
    std::vector<JapaneseText> texts{
        app_text::kInputGroupFormat, app_text::kOutputGroupFormat,
        app_text::kInputDialogTitle, app_text::kOutputDialogTitle,
        app_text::kFilterFormat,     app_text::kWrongDropType,
        app_text::kNotCp932Path,     app_text::kFolderMissing,
        app_text::kMinimizeItem,     app_text::kCloseItem,
        app_text::kHelpCaption,      app_text::kHelpText,
        app_text::kDropErrorCaption, LoadStringResource(resource_id::kAboutMenuString)};
    for (const DialogTemplate* dialog : {&MainDialogTemplate(), &AboutDialogTemplate()}) {
      texts.push_back(dialog->caption);
      texts.push_back(dialog->font_name);
      for (const ControlTemplate& control : dialog->controls) texts.push_back(control.text);
    }
    for (const MenuEntry& entry : MainMenu()) texts.push_back(entry.text);
    return texts;
  }

 private slots:
  void everyTextsBytesAreItsReadableTextInCp932() {
    for (const JapaneseText& text : AllTexts()) {
      const std::optional<std::string> converted = Utf8ToCp932(text.readable);
      QVERIFY2(converted.has_value(), text.readable.data());
      QVERIFY2(*converted == text.cp932, text.readable.data());
    }
  }

  // A few texts byte for byte, so that a wrong readable text cannot hide a wrong byte.
  void someTextsPinnedByteForByte() {
    QCOMPARE(QByteArray::fromStdString(std::string(MainDialogTemplate().font_name.cp932)),
             QByteArray::fromHex("826c827220826f835383568362834e"));
    QCOMPARE(QByteArray::fromStdString(std::string(app_text::kInputGroupFormat.cp932)),
             QByteArray::fromHex("93fc97cd8140837483408343838b96bc8169") + ".%s" +
                 QByteArray::fromHex("816a"));
    QCOMPARE(
        QByteArray::fromStdString(
            std::string(LoadStringResource(resource_id::kAboutMenuString).cp932)),
        QByteArray("Quorvane ") + QByteArray::fromHex("82cccadeb0bcdeaedd8fee95f1") + "(&A)...");
  }

  void aStringTheTableDoesNotHoldIsEmpty() { QVERIFY(LoadStringResource(102).cp932.empty()); }
};

}  // namespace quorvane::testing

QTEST_MAIN(quorvane::testing::TextsTest)
#include "texts_test.moc"
