#pragma once

#include <QMessageBox>
#include <QString>

#include "common/message_sink.h"

namespace quorvane {

// The base name of the executable: the caption of every message that brings none of its own.
QString ApplicationName();

// Messages as modal message boxes owned by a dialog, with an OK button only.
class DialogMessageSink : public MessageSink {
 public:
  explicit DialogMessageSink(QWidget& owner) : owner_(owner) {}

  void Show(std::string_view text, std::optional<std::string_view> caption,
            MessageIcon icon) override;
  // For texts that are not CP932 (they name something that CP932 cannot spell).
  void Present(const QString& text, const QString& caption, QMessageBox::Icon icon);

 private:
  QWidget& owner_;
};

}  // namespace quorvane
