#pragma once

#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;

namespace tundle {

class RoomEnvironment;
class CityResultButton;
class StyledButton;
struct WeatherLocation;

// The city block of the room settings: take the machine's approximate place, pick a common
// city, or search one by name and pick a result. Everything acts on the settings' draft room;
// nothing is saved here. Return in the search field searches and goes no further, so it never
// applies the sheet around it.
class RoomLocationControls : public QWidget {
    Q_OBJECT

public:
    static constexpr int shownResults = 5;

    explicit RoomLocationControls(RoomEnvironment& draft, QWidget* parent = nullptr);

    // The line under the block: the draft's status while it is about its place, else the
    // privacy note.
    static QString note(const RoomEnvironment& draft);

    void search();
    void choose(const WeatherLocation& location);

    StyledButton& locateButton() const { return *locate_; }
    StyledButton& cityButton() const { return *city_; }
    QMenu& cityMenu() const { return *cityMenu_; }
    QLineEdit& field() const { return *field_; }
    StyledButton& searchButton() const { return *search_; }
    const std::vector<CityResultButton*>& resultButtons() const { return results_; }
    QLabel& noteLabel() const { return *note_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sync();

    RoomEnvironment& draft_;
    StyledButton* locate_;
    StyledButton* city_;
    QMenu* cityMenu_;
    QLineEdit* field_;
    StyledButton* search_;
    QWidget* resultsBox_;
    std::vector<CityResultButton*> results_;
    QLabel* note_;
};

}  // namespace tundle
