#include "shell/ui/ShellDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText("OK");
  buttons->button(QDialogButtonBox::Cancel)->setText("Cancel");
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}
}  // namespace

TPassDlg::TPassDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Access All Areas");
  auto* frame = new QGroupBox("Password", this);
  PassBox = new QLineEdit(frame);
  auto* inner = new QVBoxLayout(frame);
  inner->addWidget(PassBox);
  auto* buttons = OkCancel(this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(buttons);
}

TNewWorldDlg::TNewWorldDlg(
    QWidget* parent, std::function<std::string(const std::string&, const std::string&, const std::string&)> check,
    std::function<void(const std::string&, const std::string&)> refuse)
    : QDialog(parent), check_(std::move(check)), refuse_(std::move(refuse)) {
  setWindowTitle("New World Properties");
  NameBox = new QLineEdit(this);
  WidthBox = new QLineEdit("20", this);
  LengthBox = new QLineEdit("20", this);
  auto* form = new QFormLayout;
  form->addRow("Name", NameBox);
  form->addRow("Width (X)", WidthBox);
  form->addRow("Length (Y)", LengthBox);
  auto* buttons = OkCancel(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

// A failed check names the problem, puts the focus on its box and keeps the dialog open.
void TNewWorldDlg::accept() {
  std::string name = NameBox->text().toStdString(), width = WidthBox->text().toStdString(),
              length = LengthBox->text().toStdString();
  std::string problem = check_ ? check_(name, width, length) : std::string();
  if (problem.empty()) {
    QDialog::accept();
    return;
  }
  if (refuse_) refuse_(problem, "World Error");
  if (problem.find("Width") != std::string::npos)
    WidthBox->setFocus();
  else if (problem.find("Length") != std::string::npos)
    LengthBox->setFocus();
  else
    NameBox->setFocus();
}
