#pragma once

#include <QString>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "formula/formulaparser.h"
#include "settings/options.h"
#include "util/clock.h"
#include "util/numberedstrings.h"
#include "util/randomlistitem.h"
#include "util/regional.h"

namespace ashtally {

// The six picture sets, each a list of picture files found once at start.
enum class PictureSet { Assorted, Bronze, Green, Gold, Silver, Freedom };
inline constexpr std::array<const char*, 6> kPictureSetFolders{"assorted", "bronze", "green",
                                                               "gold",     "silver", "freedom"};

// What exists once per run, before any window and until the last one is gone: the random
// generator, the option set, the formula evaluator and the picture sets, together with the
// desktop's clock, regional formats and numbered strings.
class ProgramObjects {
public:
    // The picture sets are read from images/ in imagesFolder.
    ProgramObjects(const Clock& clock, const StringSource& strings, RegionalSettings regional,
                   std::string programFolder, const std::string& imagesFolder);

    const Clock& clock;
    const StringSource& Strings;
    const RegionalSettings Regional;
    const std::string ProgramFolder; // ends with "/"

    RandomGenerator Random;
    std::unique_ptr<TOptions> Options;
    TFormulaParser Parser;

    const std::vector<std::string>& Pictures(PictureSet set) const;

    // The folder of the offline help that the default links name: the program's folder.
    std::string HelpFolder() const;

    // A fresh option set holding every default (start-up, and "Set Defaults").
    std::unique_ptr<TOptions> NewOptions() const;

    // Where the picture sets live: images/ beside the program, else the installed share folder.
    static std::string FindImagesFolder(const std::string& programFolder);

private:
    std::array<std::vector<std::string>, 6> m_pictures;
};

} // namespace ashtally
