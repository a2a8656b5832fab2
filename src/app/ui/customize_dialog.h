#pragma once

#include <QDialog>
#include <array>

#include "app/environment_settings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace klv {

class CEventSounds;
class Operator;

// "Environment set": the lists' click method and the seven event sounds.
class CCustomize final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 403;

    CCustomize(const EnvironmentChoice& shown, std::string graphicsDir, std::string dataDir,
               CEventSounds& sounds, Operator& op, QWidget* parent = nullptr);

    EnvironmentChoice Chosen() const;

private:
    struct Row {
        QCheckBox* makeSound = nullptr;
        QPushButton* test = nullptr;
        QPushButton* change = nullptr;
        QLabel* file = nullptr;
    };

    void Show(const EnvironmentChoice& choice);
    void UpdateRow(std::size_t i);
    void ChangeFile(std::size_t i);

    std::string m_graphicsDir;
    std::string m_dataDir;
    CEventSounds& m_sounds;
    Operator& m_op;
    QRadioButton* m_byPointing = nullptr;
    QRadioButton* m_bySingleClick = nullptr;
    std::array<Row, kSoundEventCount> m_rows;
};

// Shows the dialog over the application's settings; OK stores them and reloads the sounds.
// True when OK was chosen.
bool EditEnvironment(CKLV570App& app, QWidget* parent);

}  // namespace klv
