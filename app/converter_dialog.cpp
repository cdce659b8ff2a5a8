#include "app/converter_dialog.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/app_texts.h"
#include "app/application_qicon.h"
#include "app/file_dialogs.h"
#include "app/qt_text.h"
#include "app/template_dialog.h"
#include "app/up_down_control.h"
#include "common/cp932.h"
#include "conversion/conversion_run.h"
#include "conversion/file_names.h"
#include "conversion/first_token.h"
#include "conversion/voice_guidance_table.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace quorvane {

namespace {

namespace id = resource_id;

constexpr int kIconMinimum = 1;
constexpr int kIconMaximum = 31;

template <typename Widget>
Widget* Control(QDialog& dialog, int control_id) {
  return dialog.findChild<Widget*>(ControlName(control_id));
}

// The arguments come split into words, their quotes taken off. Joined back with blanks, a word
// that holds a blank is quoted again, so that the first token is the first argument when it
// was quoted and the whole unquoted path when a path with blanks was typed without quotes.
QString JoinArguments(const QStringList& arguments) {
  QStringList words;
  for (const QString& argument : arguments) {
    words << (argument.contains(u' ') ? u'"' + argument + u'"' : argument);
  }
  return words.join(u' ');
}

std::string FolderOf(std::string_view path) {
  const PathParts parts = SplitPath(path);
  return JoinPath(parts.drive, parts.folder, {}, {});
}

std::vector<QString> LocalFileNames(const QMimeData* mime) {
  std::vector<QString> names;
  if (mime == nullptr || !mime->hasUrls()) return names;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) names.push_back(QDir::toNativeSeparators(url.toLocalFile()));
  }
  return names;
}

}  // namespace

ConverterDialog::ConverterDialog(const QStringList& arguments, Services services)
    : QDialog(nullptr),
      file_dialogs_(services.file_dialogs),
      arguments_(arguments),
      mem_file_(services.files),
      point_table_(services.files, services.clock),
      application_icon_(ApplicationQIcon()),
      message_sink_(*this) {
  menu_bar_ = BuildFromTemplate(*this, MainDialogTemplate(), application_icon_);
  BindControls();
  OnInitDialog();
}

ConverterDialog::~ConverterDialog() = default;

void ConverterDialog::BindControls() {
  icon_spin_ = Control<UpDownControl>(*this, id::kIconSpin);
  voice_combo_ = Control<QComboBox>(*this, id::kVoiceCombo);
  output_field_ = Control<QLineEdit>(*this, id::kOutputField);
  input_field_ = Control<QLineEdit>(*this, id::kInputField);

  connect(Control<QPushButton>(*this, id::kOk), &QPushButton::clicked, this,
          &ConverterDialog::OnOK);
  connect(Control<QPushButton>(*this, id::kCancel), &QPushButton::clicked, this, &QDialog::reject);
  connect(Control<QPushButton>(*this, id::kBrowseInput), &QPushButton::clicked, this,
          &ConverterDialog::OnBrowseInput);
  connect(Control<QPushButton>(*this, id::kBrowseOutput), &QPushButton::clicked, this,
          &ConverterDialog::OnBrowseOutput);
  connect(voice_combo_, &QComboBox::currentIndexChanged, this, [this](int row) {
    if (row >= 0) last_voice_row_ = row;
  });
  if (menu_bar_ != nullptr) {
    connect(menu_bar_, &QMenuBar::triggered, this, [this](QAction* action) {
      if (action->data().toInt() == id::kVersionCommand) OnVersion();
    });
  }
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &ConverterDialog::HelpRequested);

  // Files dropped anywhere on the window, the fields included, are the window's.
  setAcceptDrops(true);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void ConverterDialog::OnInitDialog() {
  DoDataExchange(Exchange::GiveToFields);
  BuildWindowMenu();
  setWindowIcon(application_icon_);

  program_name_ = "Quorvane";
  input_extension_ = "mem";
  output_extension_ = "pmf";
  max_points_ = 200;

  Control<QGroupBox>(*this, id::kInputGroup)
      ->setTitle(Cp932ToQString(FormatCp932(app_text::kInputGroupFormat.cp932, input_extension_)));
  Control<QGroupBox>(*this, id::kOutputGroup)
      ->setTitle(
          Cp932ToQString(FormatCp932(app_text::kOutputGroupFormat.cp932, output_extension_)));

  InitControls();

  // The first tab stop, the input field, has the focus when the window opens.
  NextDialogControl(*input_field_);
}

void ConverterDialog::BuildWindowMenu() {
  window_menu_ = new QMenu(this);
  window_menu_->addAction(ToQString(app_text::kMinimizeItem))->setData(kMinimizeCommand);
  window_menu_->addAction(ToQString(app_text::kCloseItem))->setData(kCloseCommand);
  const JapaneseText about = LoadStringResource(id::kAboutMenuString);
  if (!about.cp932.empty()) {
    window_menu_->addSeparator();
    window_menu_->addAction(ToQString(about))->setData(id::kAboutCommand);
  }
  connect(window_menu_, &QMenu::triggered, this,
          [this](QAction* action) { OnSysCommand(action->data().toInt()); });
}

void ConverterDialog::InitControls() {
  setWindowTitle(Cp932ToQString(program_name_));

  for (const VoiceGuidance& row : VoiceGuidanceTable()) voice_combo_->addItem(ToQString(row.name));
  voice_combo_->setCurrentIndex(0);

  icon_spin_->SetBuddy(Control<QLineEdit>(*this, id::kIconNumberField));
  icon_spin_->setRange(kIconMinimum, kIconMaximum);
  icon_spin_->setValue(kIconMinimum);
  // The spin box took the buddy's place in the tab order.
  setTabOrder(Control<QPushButton>(*this, id::kBrowseOutput), icon_spin_);
  setTabOrder(icon_spin_, voice_combo_);

  const std::optional<std::string> current =
      QStringToCp932(QDir::toNativeSeparators(QDir::currentPath()));
  remembered_input_folder_ = current.value_or(std::string());
  remembered_output_folder_ = remembered_input_folder_;

  input_path_.clear();
  output_path_.clear();

  if (!arguments_.isEmpty()) {
    const QString joined = JoinArguments(arguments_);
    if (const std::optional<std::string> command_line = QStringToCp932(joined)) {
      input_path_ = FirstToken(*command_line);
    } else {
      TellNotCp932(joined);
    }
  }

  if (!input_path_.empty()) ApplyDerivedOutput();

  input_field_->setText(Cp932ToQString(input_path_));
  output_field_->setText(Cp932ToQString(output_path_));

  if (input_path_.empty()) NextDialogControl(*input_field_);
}

bool ConverterDialog::DoDataExchange(Exchange direction) {
  if (direction == Exchange::GiveToFields) {
    input_field_->setText(Cp932ToQString(input_path_));
    output_field_->setText(Cp932ToQString(output_path_));
    return true;
  }
  const std::optional<std::string> input = QStringToCp932(input_field_->text());
  if (!input) {
    TellNotCp932(input_field_->text());
    NextDialogControl(*input_field_);
    return false;
  }
  const std::optional<std::string> output = QStringToCp932(output_field_->text());
  if (!output) {
    TellNotCp932(output_field_->text());
    NextDialogControl(*output_field_);
    return false;
  }
  input_path_ = *input;
  output_path_ = *output;
  return true;
}

void ConverterDialog::OnOK() {
  if (!DoDataExchange(Exchange::TakeFromFields)) return;
  // The spin box keeps its last valid position while its field holds anything else.
  const int icon_number = icon_spin_->value();
  const int voice_row = SelectedVoiceRow();

  ConversionRun run(mem_file_, point_table_, message_sink_);
  switch (run.Run(input_path_, output_path_, input_extension_, output_extension_, icon_number,
                  voice_row, max_points_)) {
    case ConversionStatus::InputTypeMismatch:
      NextDialogControl(*input_field_);
      break;
    case ConversionStatus::OutputTypeMismatch:
      ApplyDerivedOutput();
      DoDataExchange(Exchange::GiveToFields);
      SelectWholeText(*output_field_);
      break;
    case ConversionStatus::ReadFailed:
    case ConversionStatus::WriteFailed:
      break;
    case ConversionStatus::Done:
      DoDataExchange(Exchange::TakeFromFields);
      done(QDialog::Accepted);
      break;
  }
}

// The combo's row when its text is that row's name; otherwise the row named by the typed
// text; otherwise the row selected last.
int ConverterDialog::SelectedVoiceRow() const {
  const QString text = voice_combo_->currentText();
  const int current = voice_combo_->currentIndex();
  if (current >= 0 && voice_combo_->itemText(current) == text) return current;
  const int named = voice_combo_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (named >= 0) return named;
  return last_voice_row_;
}

void ConverterDialog::ApplyDerivedOutput() {
  DerivedOutput derived = DeriveOutputPath(input_path_, output_extension_);
  output_path_ = std::move(derived.output_path);
  remembered_input_folder_ = derived.input_folder;
  remembered_output_folder_ = std::move(derived.input_folder);
}

void ConverterDialog::OnBrowseInput() {
  FileDialogRequest request;
  request.kind = FileDialogKind::Open;
  request.title = ToQString(app_text::kInputDialogTitle);
  request.filters =
      ParseFilterList(Cp932ToQString(FormatCp932(app_text::kFilterFormat.cp932, input_extension_)));
  request.default_extension = Cp932ToQString(input_extension_);
  request.initial_folder = Cp932ToQString(remembered_input_folder_);

  if (const std::optional<std::string> chosen = ChosenPath(file_dialogs_.Choose(*this, request))) {
    input_path_ = *chosen;
    remembered_input_folder_ = FolderOf(input_path_);
    ApplyDerivedOutput();
    DoDataExchange(Exchange::GiveToFields);
    SelectWholeText(*output_field_);
    return;
  }
  SelectWholeText(*input_field_);
}

void ConverterDialog::OnBrowseOutput() {
  FileDialogRequest request;
  request.kind = FileDialogKind::Save;
  request.title = ToQString(app_text::kOutputDialogTitle);
  request.filters = ParseFilterList(
      Cp932ToQString(FormatCp932(app_text::kFilterFormat.cp932, output_extension_)));
  request.default_extension = Cp932ToQString(output_extension_);
  request.initial_folder = Cp932ToQString(remembered_output_folder_);
  request.confirm_overwrite = true;
  request.folder_must_exist = true;

  if (const std::optional<std::string> chosen = ChosenPath(file_dialogs_.Choose(*this, request))) {
    // What was typed into the input field since the values were last taken is kept: the
    // values are taken first, so that giving them back does not overwrite it.
    if (!DoDataExchange(Exchange::TakeFromFields)) return;
    output_path_ = *chosen;
    remembered_output_folder_ = FolderOf(input_path_);
    DoDataExchange(Exchange::GiveToFields);
  }
  SelectWholeText(*output_field_);
}

std::optional<std::string> ConverterDialog::ChosenPath(const std::optional<QString>& chosen) {
  if (!chosen) return std::nullopt;
  std::optional<std::string> path = QStringToCp932(*chosen);
  if (!path) TellNotCp932(*chosen);
  return path;
}

void ConverterDialog::OnDropFiles(const QStringList& file_names) {
  input_path_.clear();
  output_path_.clear();
  for (qsizetype i = 0; i < file_names.size(); ++i) {
    const std::optional<std::string> cp932 = QStringToCp932(file_names[i]);
    if (!cp932) {
      input_path_.clear();
      if (i + 1 == file_names.size()) {
        TellNotCp932(file_names[i]);
        return;
      }
      continue;
    }
    input_path_ = FirstToken(*cp932);
  }

  const std::string extension = SplitPath(input_path_).extension;
  const bool matches = !extension.empty() && FoldAsciiCase(std::string_view(extension).substr(1),
                                                           false) == input_extension_;
  if (matches) {
    ApplyDerivedOutput();
    input_field_->setText(Cp932ToQString(input_path_));
    output_field_->setText(Cp932ToQString(output_path_));
    return;
  }
  message_sink_.Show(FormatCp932(app_text::kWrongDropType.cp932, input_extension_),
                     app_text::kDropErrorCaption.cp932, MessageIcon::Exclamation);
}

void ConverterDialog::OnSysCommand(int command) {
  if ((command & 0xFFF0) == id::kAboutCommand) {
    RunAboutBox();
  } else if (command == kMinimizeCommand) {
    showMinimized();
  } else if (command == kCloseCommand) {
    reject();
  }
}

void ConverterDialog::OnVersion() {
  RunAboutBox();
}

void ConverterDialog::RunAboutBox() {
  AboutDialog about(this);
  about.exec();
}

void ConverterDialog::NextDialogControl(QLineEdit& field) {
  field.setFocus(Qt::TabFocusReason);
  field.selectAll();
}

void ConverterDialog::SelectWholeText(QLineEdit& field) {
  field.setFocus(Qt::OtherFocusReason);
  // Selecting all puts the caret at the end, which scrolls the end of the name into view.
  field.selectAll();
}

void ConverterDialog::TellNotCp932(const QString& name) {
  message_sink_.Present(ToQString(app_text::kNotCp932Path).arg(name), ApplicationName(),
                        QMessageBox::Warning);
}

bool ConverterDialog::HandleDragEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      if (LocalFileNames(drag->mimeData()).empty()) return false;
      drag->setDropAction(Qt::CopyAction);
      drag->accept();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const std::vector<QString> names = LocalFileNames(drop->mimeData());
      if (names.empty()) return false;
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      OnDropFiles(QStringList(names.begin(), names.end()));
      return true;
    }
    default:
      return false;
  }
}

bool ConverterDialog::eventFilter(QObject* watched, QEvent* event) {
  if (HandleDragEvent(event)) return true;
  return QDialog::eventFilter(watched, event);
}

void ConverterDialog::dragEnterEvent(QDragEnterEvent* event) {
  if (!HandleDragEvent(event)) event->ignore();
}

void ConverterDialog::dragMoveEvent(QDragMoveEvent* event) {
  if (!HandleDragEvent(event)) event->ignore();
}

void ConverterDialog::dropEvent(QDropEvent* event) {
  if (!HandleDragEvent(event)) event->ignore();
}

void ConverterDialog::contextMenuEvent(QContextMenuEvent* event) {
  window_menu_->exec(event->globalPos());
}

}  // namespace quorvane
