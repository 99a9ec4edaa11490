#include "app/programobjects.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>
#include <utility>

#include "util/filesearch.h"

namespace ashtally {

namespace {

std::uint64_t ClockSeed() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

ProgramObjects::ProgramObjects(const Clock& clock, const StringSource& strings,
                               RegionalSettings regional, std::string programFolder,
                               const std::string& imagesFolder)
    : clock(clock), Strings(strings), Regional(std::move(regional)),
      ProgramFolder(std::move(programFolder)), Random(ClockSeed()), Options(NewOptions()) {
    for (std::size_t set = 0; set < kPictureSetFolders.size(); ++set) {
        std::vector<FoundFile> found;
        FindFiles(imagesFolder + kPictureSetFolders[set] + "/", "*.*", true, faOrdinaryFiles,
                  found);
        for (auto& file : found) {
            m_pictures[set].push_back(std::move(file.Name));
        }
    }
}

const std::vector<std::string>& ProgramObjects::Pictures(PictureSet set) const {
    return m_pictures[static_cast<std::size_t>(set)];
}

std::string ProgramObjects::HelpFolder() const {
    // The help page lives beside the program; an installed program keeps it in its share
    // folder, and the default link should open it wherever it is.
    const QString beside = QString::fromStdString(ProgramFolder) + QStringLiteral("Ashtally.html");
    const QFileInfo installed(QString::fromStdString(ProgramFolder) +
                              QStringLiteral("../share/ashtally/Ashtally.html"));
    if (!QFileInfo::exists(beside) && installed.exists()) {
        return installed.absolutePath().toStdString() + "/";
    }
    return ProgramFolder;
}

std::unique_ptr<TOptions> ProgramObjects::NewOptions() const {
    auto options = std::make_unique<TOptions>(Strings, HelpFolder());
    options->SetDecimalSeparator(Regional.DecimalSeparator);
    return options;
}

std::string ProgramObjects::FindImagesFolder(const std::string& programFolder) {
    const QDir beside(QString::fromStdString(programFolder) + QStringLiteral("images"));
    if (beside.exists()) {
        return beside.absolutePath().toStdString() + "/";
    }
    // Installed: <prefix>/bin/ashtally and <prefix>/share/ashtally/images.
    const QDir installed(QString::fromStdString(programFolder) +
                         QStringLiteral("../share/ashtally/images"));
    if (installed.exists()) {
        return installed.absolutePath().toStdString() + "/";
    }
    return beside.absolutePath().toStdString() + "/";
}

} // namespace ashtally
