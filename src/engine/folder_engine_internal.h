#pragma once

#include "engine/folder_engine.h"

#include <vector>

namespace tessel::engine {

struct FolderEngine::Folder
{
    std::vector<platform::DirectoryEntry> entries; // the source folder's listing, in file-system order
    bool stopped = false;
};

} // namespace tessel::engine
