#pragma once
// The program settings window on screen: renders ConfiguracioPrg and forwards
// the user's actions to it.

#include <QDialog>
#include <array>

#include "config_windows/program_settings_form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace sc {

class ConfiguracioPrgView : public QDialog {
    Q_OBJECT
public:
    ConfiguracioPrgView(RaceState& state, Prompter& prompter, QWidget* parent = nullptr);
    ~ConfiguracioPrgView() override;

    ConfiguracioPrg& form() { return form_; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public slots:
    void done(int result) override;

private:
    void build();
    QWidget* buildColours();
    QWidget* buildComas();
    QWidget* buildAutoScroll();
    void connectActions();
    void render();
    void relabel();
    void revealIfShiftHeld();

    RaceState& state_;
    ConfiguracioPrg form_;
    bool unloaded_ = false;

    QComboBox* language_ = nullptr;
    QComboBox* hardware_ = nullptr;
    std::array<QComboBox*, ConfiguracioPrg::kColourItems + 1> colours_{};
    std::array<QLabel*, ConfiguracioPrg::kColourItems + 1> swatches_{};
    QGroupBox* comasFrame_ = nullptr;
    std::array<QRadioButton*, 3> comaOptions_{};
    QLineEdit* comaPass_ = nullptr;
    QGroupBox* scrollFrame_ = nullptr;
    std::array<QRadioButton*, 2> scrollOptions_{};
    QLineEdit* scrollSeconds_ = nullptr;
    QLabel* secondsLabel_ = nullptr;
    QPushButton* leave_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* more_ = nullptr;  // "Més opcions": the frames Shift reveals
};

}  // namespace sc
