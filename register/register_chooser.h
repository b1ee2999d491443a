#pragma once
// Choosing one chart from a folder with the register's list: its search box has the focus, and
// Enter (or a double-click) takes the selected row, which is the first one after a search.

#include <QByteArray>
#include <QDialog>
#include <filesystem>

namespace vorelim {

class RegisterList;

class RegisterChooser : public QDialog {
  Q_OBJECT

 public:
  /// A chooser titled `title` over the charts of `folder`.
  RegisterChooser(const QString& title, const std::filesystem::path& folder,
                  QWidget* parent = nullptr);

  /// The chart chosen (its absolute file name, as bytes); empty until one was.
  QByteArray chosenFile() const { return chosen_; }
  RegisterList* list() const { return list_; }

 private:
  RegisterList* list_ = nullptr;
  QByteArray chosen_;
};

}  // namespace vorelim
