#pragma once

#include <gsf/gsf-infile.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-outfile.h>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace velmora::sheet {

/// Owners of the structured-file library's objects, released with their reference.
struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using InputPointer = std::unique_ptr<GsfInput, GObjectUnref>;
using InfilePointer = std::unique_ptr<GsfInfile, GObjectUnref>;
using OutputPointer = std::unique_ptr<GsfOutput, GObjectUnref>;
using OutfilePointer = std::unique_ptr<GsfOutfile, GObjectUnref>;

/// Silences the library's warnings of the given log domains (nullptr: those without a domain of their
/// own) while it lives: it explains damage on standard error, and the user gets our message instead.
class QuietGsfWarnings {
public:
    explicit QuietGsfWarnings(std::initializer_list<const char*> domains) {
        for (const char* domain : domains)
            m_handlers.emplace_back(
                domain, g_log_set_handler(
                            domain, GLogLevelFlags(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_MESSAGE),
                            [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr));
    }
    ~QuietGsfWarnings() {
        for (const auto& [domain, handler] : m_handlers)
            g_log_remove_handler(domain, handler);
    }
    QuietGsfWarnings(const QuietGsfWarnings&) = delete;
    QuietGsfWarnings& operator=(const QuietGsfWarnings&) = delete;

private:
    std::vector<std::pair<const char*, guint>> m_handlers;
};

} // namespace velmora::sheet
