#pragma once
// TAboutBox, the about box "SOBRE": the program's title, its credits, the year and a note that
// the information may be reproduced. One instance is made hidden at start-up and reused: showing
// it is modeless, and closing it only hides it, so it reopens where the user left it.

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <vector>

#include "ui/placement.h"

QT_BEGIN_NAMESPACE
class QFrame;
class QLabel;
class QPushButton;
QT_END_NAMESPACE

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 316;
  static constexpr int kClientHeight = 341;
  /// The designed controls' names and places. The labels lie on Panel1; each is sized to its text
  /// when the box first shows, at its designed top and centred on its designed span.
  static constexpr vorelim::Placement kPlacement[] = {
      {"Panel1", {8, 8, 297, 297}},     {"Label1", {60, 24, 177, 19}},
      {"Label2", {142, 51, 19, 15}},    {"Label3", {42, 78, 213, 15}},
      {"Label4", {92, 106, 113, 15}},   {"Label5", {83, 133, 130, 15}},
      {"Label6", {132, 184, 33, 15}},   {"Label7", {36, 208, 224, 15}},
      {"Label8", {30, 240, 237, 15}},   {"Label9", {28, 272, 241, 15}},
      {"OKButton", {129, 308, 57, 25}},
  };

  /// Builds the about box, hidden, as a top-level window owned by `owner`.
  explicit TAboutBox(QWidget* owner = nullptr);
  ~TAboutBox() override;

  /// Makes the box visible without waiting for it: centred on the screen the first time, at the
  /// place where it was hidden afterwards. A box already visible is left as it is (not raised).
  void ShowModeless();

  // Controls under their designed names.
  QFrame* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QPushButton* OKButton = nullptr;

 public slots:
  /// "Fechar" (or Enter): hides the box.
  void OKButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // A label on Panel1 with its text and face; PlaceLabels sizes it to its text, at the designed
  // top and centred on the designed span.
  QLabel* AddLabel(const vorelim::Placement& place, const QString& text, int pixel_size);
  void PlaceLabels();

  struct DesignedPlace {
    QLabel* label;
    QRect designed;
  };
  // The labels not placed yet, with their designed places; empty once the box has shown.
  std::vector<DesignedPlace> designed_places_;

  bool shown_before_ = false;
  QPoint hidden_at_;
};
