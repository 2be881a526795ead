#pragma once

#include <gsf/gsf-infile.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-outfile.h>
#include <memory>

namespace velmora::sheet {

/// Owners of the structured-file library's objects, released with their reference.
struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using InputPointer = std::unique_ptr<GsfInput, GObjectUnref>;
using InfilePointer = std::unique_ptr<GsfInfile, GObjectUnref>;
using OutputPointer = std::unique_ptr<GsfOutput, GObjectUnref>;
using OutfilePointer = std::unique_ptr<GsfOutfile, GObjectUnref>;

} // namespace velmora::sheet
