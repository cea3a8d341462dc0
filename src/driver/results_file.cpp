#include "driver/results_file.h"

#include "kernels/errors.h"

namespace datacomp {

ResultsFile::~ResultsFile() {
  if (open_) fileSystem_.Close(handle_);
}

void ResultsFile::Open() {
  if (fileSystem_.FileExists(kResultsFileName)) {
    CheckInOut(fileSystem_.OpenForAppend(kResultsFileName, handle_));
    open_ = true;
    Write("\r\n");  // ends the previous record's line
  } else {
    CheckInOut(fileSystem_.Create(kResultsFileName, handle_));
    open_ = true;
  }
}

void ResultsFile::WriteBlock(std::string_view block) {
  CheckInOut(fileSystem_.Write(handle_, block));
}

void ResultsFile::Write(std::string_view text) {
  buffer_.Add(text, [this](std::string_view block) { WriteBlock(block); });
}

void ResultsFile::Close() {
  if (!buffer_.Held().empty()) WriteBlock(buffer_.Held());
  buffer_.Clear();
  open_ = false;
  CheckInOut(fileSystem_.Close(handle_));
}

}  // namespace datacomp
