#pragma once

#include <QDialog>
#include <QIcon>
#include <QStringList>
#include <string>
#include <string_view>

#include "app/dialog_message_sink.h"
#include "common/file_system.h"
#include "common/local_clock.h"
#include "memfile/mem_file.h"
#include "pointfile/point_table.h"

class QComboBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QMimeData;
class QPushButton;

namespace quorvane {

class FileDialogs;
class UpDownControl;

// The converter's main window (template 102): the input and output file names, the icon
// number and the voice-guidance sound, and the convert command.
class ConverterDialog : public QDialog {
  Q_OBJECT

 public:
  // What the dialog works with besides its window: the file dialogs, the files and the clock.
  struct Services {
    FileDialogs& file_dialogs;
    const FileSystem& files;
    const LocalClock& clock;
  };

  // Window-menu commands besides the About box's.
  static constexpr int kMinimizeCommand = 0xF020;
  static constexpr int kCloseCommand = 0xF060;

  // `arguments` are the program's arguments after its own name.
  ConverterDialog(const QStringList& arguments, Services services);
  ~ConverterDialog() override;

  // The held values (CP932). They are apart from the texts of the fields.
  const std::string& InputPath() const { return input_path_; }
  const std::string& OutputPath() const { return output_path_; }
  const std::string& RememberedInputFolder() const { return remembered_input_folder_; }
  const std::string& RememberedOutputFolder() const { return remembered_output_folder_; }

  // The window menu that the right mouse button opens.
  QMenu& WindowMenu() const { return *window_menu_; }

  // Handlers.
  void OnOK();
  void OnBrowseInput();
  void OnBrowseOutput();
  // Local file names in native form, in the order dropped.
  void OnDropFiles(const QStringList& file_names);
  void OnSysCommand(int command);
  void OnVersion();

 signals:
  // F1 without Shift, Ctrl or Alt. The application answers it; the dialog changes nothing.
  void HelpRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  enum class Exchange { GiveToFields, TakeFromFields };

  // Giving always succeeds. Taking fails, after telling the user and with the values
  // unchanged, when a field holds a name that CP932 cannot express.
  bool DoDataExchange(Exchange direction);
  void OnInitDialog();
  void InitControls();
  void BindControls();
  void BuildWindowMenu();
  void ApplyDerivedOutput();
  int SelectedVoiceRow() const;
  void RunAboutBox();
  // The dialog manager's move to a control: focus, and the whole text of an edit selected.
  void NextDialogControl(QLineEdit& field);
  void SelectWholeText(QLineEdit& field);
  void TellNotCp932(const QString& name);
  std::optional<std::string> ChosenPath(const std::optional<QString>& chosen);
  bool HandleDragEvent(QEvent* event);

  FileDialogs& file_dialogs_;
  QStringList arguments_;

  std::string input_extension_;
  std::string output_extension_;
  std::string program_name_;
  int max_points_ = 0;
  MemFile mem_file_;
  PointTable point_table_;
  std::string remembered_output_folder_;
  std::string remembered_input_folder_;
  UpDownControl* icon_spin_ = nullptr;
  QComboBox* voice_combo_ = nullptr;
  QLineEdit* output_field_ = nullptr;
  QLineEdit* input_field_ = nullptr;
  std::string input_path_;
  std::string output_path_;
  QIcon application_icon_;

  QMenuBar* menu_bar_ = nullptr;
  QMenu* window_menu_ = nullptr;
  int last_voice_row_ = 0;
  DialogMessageSink message_sink_;
};

}  // namespace quorvane
