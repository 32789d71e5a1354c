#pragma once

#include "imagedecoder.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QWidget;

namespace galewright {

class DialogService;
class IniFile;

// The picker's list of map images: the paths in Maps.ini beside the
// executable, shown in the window's map list in the same order, and the
// commands that choose, add and remove maps. The list is read when the
// window is made and written back when it goes, never in between.
//
// Paths are GBK text, as every text file of the system holds them; they
// are turned into the file system's own encoding only to open the file.
// The map list's current index is the selected map (-1 for none).
class MapCatalogue {
public:
    static constexpr char kFileName[] = "Maps.ini";
    static constexpr char kDefaultMapName[] = "Default.png";

    struct Setup {
        QComboBox* list = nullptr;
        QWidget* owner = nullptr; // the picker window, owner and title of the boxes
        DialogService* dialogs = nullptr;
        std::string settingsDirectory;
        std::function<void(DecodedImage)> showMap;
        std::function<void()> focusMap;
    };

    explicit MapCatalogue(Setup setup);

    const std::vector<std::string>& entries() const { return entries_; }
    int selectedIndex() const;

    // Fills the list from Maps.ini, or with the default map when Maps.ini
    // lists nothing (and the default map passes the map rule).
    void loadMapCatalogue();
    // Selects the entry Maps.ini named when the list was loaded and shows
    // it; an index that names no entry leaves nothing selected.
    void selectStoredMap();
    // Replaces Maps.ini with the list and the selection. A failure is not
    // reported (the catalogue is a convenience); false tells it.
    bool saveMapCatalogue() const;

    // The map image rule; a failure is shown in a box and gives false. The
    // decoded picture comes back through `image` when the file passes.
    bool validateMapImage(const std::string& path, DecodedImage* image = nullptr);
    void selectMap();
    void addMapCommand();
    void removeMapCommand();

    // The Maps.ini for these entries and this selection.
    static IniFile catalogueFile(const std::vector<std::string>& entries, int selection);
    // A GBK path as the user sees it, and as the file system names it.
    static QString displayPath(std::string_view path);
    static std::string fileSystemPath(std::string_view path);

private:
    std::string settingsFile(const char* name) const;
    void append(std::string path);
    void message(const QString& text, bool exclamation);

    Setup setup_;
    QComboBox& list_;
    std::vector<std::string> entries_;
    int storedSelection_ = -1;
};

} // namespace galewright
