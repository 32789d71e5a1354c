#include "mapcatalogue.h"

#include "dialogservice.h"
#include "gbkcodec.h"
#include "inifile.h"
#include "mapimagerule.h"
#include "settingsdirectory.h"
#include "textrules.h"

#include <QComboBox>
#include <QFile>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace galewright {

namespace {

const QString kPickerTitle = QStringLiteral("坐标选择器");

// Windows' "*.*" lists every file; here a name need not have a dot.
const QString kAllFilesFilter = QStringLiteral("所有文件（*.*） (*)");

// A line end inside a path would split its Maps.ini line in two.
bool hasLineEnd(std::string_view path) { return path.find_first_of("\r\n") != std::string_view::npos; }

} // namespace

MapCatalogue::MapCatalogue(Setup setup) : setup_(std::move(setup)), list_(*setup_.list) {}

int MapCatalogue::selectedIndex() const { return list_.currentIndex(); }

QString MapCatalogue::displayPath(std::string_view path) { return QString::fromStdString(GbkCodec::toUtf8(path)); }

std::string MapCatalogue::fileSystemPath(std::string_view path)
{
    return QFile::encodeName(displayPath(path)).toStdString();
}

std::string MapCatalogue::settingsFile(const char* name) const { return joinPath(setup_.settingsDirectory, name); }

void MapCatalogue::append(std::string path)
{
    const int selected = list_.currentIndex();
    list_.addItem(displayPath(path));
    entries_.push_back(std::move(path));
    // A list that was empty would select its first item by itself.
    list_.setCurrentIndex(selected);
}

void MapCatalogue::message(const QString& text, bool exclamation)
{
    setup_.dialogs->showMessage(setup_.owner, text, kPickerTitle,
                                exclamation ? DialogService::Icon::Warning : DialogService::Icon::None,
                                DialogService::Buttons::Ok);
}

void MapCatalogue::loadMapCatalogue()
{
    entries_.clear();
    list_.clear();
    const IniFile file = IniFile::load(settingsFile(kFileName));
    std::string path = file.value("List", "0");
    if (!path.empty()) {
        // A gap ends the list: later keys are not read.
        for (int i = 1; !path.empty(); ++i) {
            append(std::move(path));
            path = file.value("List", numberToText(i));
        }
    } else {
        const QString localDefault = QFile::decodeName(QByteArray::fromStdString(settingsFile(kDefaultMapName)));
        const std::string defaultMap = GbkCodec::fromUtf8Lossy(localDefault.toStdString());
        if (validateMapImage(defaultMap))
            append(defaultMap);
    }
    const std::string selection = file.value("Select", "0");
    storedSelection_ = selection.empty() ? -1 : textToInt(selection);
}

void MapCatalogue::selectStoredMap()
{
    const int count = static_cast<int>(entries_.size());
    list_.setCurrentIndex(storedSelection_ >= 0 && storedSelection_ < count ? storedSelection_ : -1);
    if (list_.currentIndex() >= 0)
        selectMap();
}

IniFile MapCatalogue::catalogueFile(const std::vector<std::string>& entries, int selection)
{
    IniFile file;
    for (std::size_t i = 0; i < entries.size(); ++i)
        file.setValue("List", numberToText(i), "\"" + entries[i] + "\"");
    file.setValue("Select", "0", numberToText(selection));
    return file;
}

bool MapCatalogue::saveMapCatalogue() const
{
    // Written whole and renamed into place: a failed write leaves the old
    // list rather than none.
    return catalogueFile(entries_, list_.currentIndex()).save(settingsFile(kFileName));
}

bool MapCatalogue::validateMapImage(const std::string& path, DecodedImage* image)
{
    MapImageCheck check = checkMapImage(fileSystemPath(path));
    if (check.verdict != MapImageVerdict::Valid) {
        message(displayPath(mapImageMessage(check.verdict, path)), true);
        return false;
    }
    if (image)
        *image = std::move(check.image);
    return true;
}

void MapCatalogue::selectMap()
{
    const int index = list_.currentIndex();
    if (index >= 0 && index < static_cast<int>(entries_.size())) {
        DecodedImage image;
        if (validateMapImage(entries_[static_cast<std::size_t>(index)], &image))
            setup_.showMap(std::move(image));
    }
    if (setup_.focusMap)
        setup_.focusMap();
}

void MapCatalogue::addMapCommand()
{
    DialogService::FileRequest request;
    request.title = QStringLiteral("请选择地图文件：");
    request.nameFilters = {kAllFilesFilter};
    const std::optional<QString> chosen = setup_.dialogs->openFileName(setup_.owner, request);
    if (!chosen)
        return;
    const std::optional<std::string> path = GbkCodec::fromUtf8(chosen->toStdString());
    if (!path || hasLineEnd(*path)) {
        message(QStringLiteral("文件“%1”的路径含有地图列表无法保存的字符（GBK以外的字符或换行符），没有加入列表。")
                    .arg(*chosen),
                true);
        return;
    }
    if (std::find(entries_.begin(), entries_.end(), *path) != entries_.end()) {
        message(QStringLiteral("文件“%1”已经存在于列表中。").arg(displayPath(*path)), false);
        return;
    }
    if (validateMapImage(*path))
        append(*path);
}

void MapCatalogue::removeMapCommand()
{
    const int index = list_.currentIndex();
    if (index < 0 || index >= static_cast<int>(entries_.size()))
        return;
    const QString text = QStringLiteral("确定从列表去移除“%1”？\r\n此移除操作不会删除文件。").arg(list_.itemText(index));
    const auto answer = setup_.dialogs->showMessage(setup_.owner, text, kPickerTitle, DialogService::Icon::Question,
                                                    DialogService::Buttons::OkCancel);
    if (answer != DialogService::Answer::Ok)
        return;
    entries_.erase(entries_.begin() + index);
    list_.removeItem(index);
    // The list would move its selection to a neighbour.
    list_.setCurrentIndex(-1);
}

} // namespace galewright
