#pragma once
// Names that data files give for other files (pictures, brains, bitmaps, movies, worlds)
// are joined to a folder of the data; a name must not lead out of it.
#include <string>

// False for an absolute name, a drive letter or any ".." step, whichever slash separates
// the folders; a plain name or one with folders below the data folder is kept.
bool DataNameStaysInside(const std::string& name);
