// The art tool's file formats: PNG, JPEG, cursor and icon files, 16-bit PCM WAV.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "art_draw.h"

// Every folder on the way to the file; false when one cannot be made.
bool Art_Make_Folders(const std::string& sFile);
// A picture in the format its extension names (.png, .jpg, .cur, .ico); false with a message on
// standard error when it cannot be written.
bool Art_Write_Picture(const std::string& sFile, const std::vector<ART_IMAGE>& aImages);
bool Art_Write_Wav(const std::string& sFile, const std::vector<int16_t>& aSamples, int nRate);
