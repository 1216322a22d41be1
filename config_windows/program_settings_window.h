#pragma once
// The program settings window on screen: renders ConfiguracioPrg and forwards
// the user's actions to it.

#include <array>

#include "config_windows/config_dialog_window.h"
#include "config_windows/program_settings_form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace sc {

class ConfiguracioPrgView : public ConfigDialog<ConfiguracioPrg> {
    Q_OBJECT
public:
    ConfiguracioPrgView(RaceState& state, Prompter& prompter, QWidget* parent = nullptr);

private:
    void build();
    QWidget* buildColours();
    QWidget* buildComas();
    QWidget* buildAutoScroll();
    void connectActions();
    void render() override;

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
