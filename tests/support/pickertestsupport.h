#pragma once

// A main window over a small deck, with the picker's settings (Maps.ini,
// Default.png) in its scratch settings folder, and the picker opened from it.

#include "coordinatepicker.h"
#include "editortestsupport.h"
#include "mapcanvas.h"
#include "pickercontroller.h"

#include <QTest>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace galewright::test {

// One best-track line at the position given in deck notation.
inline std::string deckLine(const std::string& latitude, const std::string& longitude)
{
    return "WP, 11, 2014072712, , BEST, 0, " + latitude + ", " + longitude + ", 35\n";
}

inline std::string imagePath(std::string_view name) { return testData("images").string() + "/" + std::string(name); }

class PickerFixture {
public:
    // Settings as the data folder has them, Default.png included.
    explicit PickerFixture(const std::string& deckText)
    {
        const std::string deck = decks.file("track.dat");
        writeFile(deck, deckText);
        editor = std::make_unique<EditorFixture>(std::vector<std::string>{deck});
        std::filesystem::copy_file(dataDir() / "Default.png", editor->settings.path() / "Default.png");
    }

    // Maps.ini with these GBK paths and this "Select" value.
    void writeMapsIni(const std::vector<std::string>& paths, const std::string& select) const
    {
        std::string text = "[List]\r\n";
        for (std::size_t i = 0; i < paths.size(); ++i)
            text += std::to_string(i) + "=\"" + paths[i] + "\"\r\n";
        text += "[Select]\r\n0=" + select + "\r\n";
        writeFile(mapsIni(), text);
    }
    std::filesystem::path mapsIni() const { return editor->settings.path() / "Maps.ini"; }
    std::string defaultMap() const { return editor->settings.file("Default.png"); }

    MainWindow& start() { return editor->start(); }
    MainWindow& window() const { return *editor->window; }
    FakeDialogService& dialogs() const { return editor->dialogs; }
    PickerController& controller() const { return window().pickerController(); }

    CoordinatePicker& openPicker()
    {
        window().openCoordinatePicker();
        CoordinatePicker* picker = controller().picker();
        if (!picker)
            qFatal("picker not open");
        if (!QTest::qWaitForWindowExposed(picker))
            qWarning("picker not exposed");
        return *picker;
    }
    // Closes the picker and lets it go, as the event loop would.
    void closePicker()
    {
        if (CoordinatePicker* picker = controller().picker())
            picker->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScratchDir decks;
    std::unique_ptr<EditorFixture> editor;
};

} // namespace galewright::test
