/* The capital gains module's interface for host programs.
 *
 * A host loads liborvanaCGT.so (dlopen), creates its QApplication, calls CheckVersion(1)
 * and RunCGTModule, and runs its event loop. When the interview ends the module posts a
 * QEvent of type ORVANA_MSG_INTERVIEW_FINISHED (1131) or ORVANA_MSG_MODULE_CLOSED (1132)
 * to the notify object; the host then reads GetFailedScreenIndex, calls FreeDLLResources,
 * which saves and releases everything, and unloads the library.
 *
 * Texts are length-prefixed byte strings: one length byte (0 to 255) followed by that many
 * Latin-1 characters.
 */
#ifndef ORVANA_CGT_H
#define ORVANA_CGT_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ORVANA_CGT_API __attribute__((visibility("default")))

#define ORVANA_MSG_INTERVIEW_FINISHED 1131
#define ORVANA_MSG_MODULE_CLOSED 1132

/* host_application: the host's owner QWidget* (may be null), owner of the module's windows.
 * notify_window: the host's QObject* that receives the two posted events.
 * start_code: screen group * 100 + screen index of the first screen (2004 begins). */
ORVANA_CGT_API void RunCGTModule(void* host_application, void* notify_window,
                                 const unsigned char* data_file_name,
                                 const unsigned char* taxpayer_identifier,
                                 const unsigned char* host_command_line, int32_t start_code,
                                 int32_t left, int32_t top, int32_t width, int32_t height,
                                 uint8_t maximized, uint8_t minimized);

/* Saves the return to the file RunCGTModule was given and releases everything:
 * 1 on success, 0 when any step failed. */
ORVANA_CGT_API int32_t FreeDLLResources(void);

/* Only the low 16 bits of the argument count: 0 when this module supports interface
 * version 1 (the one described here), -1 when the host is newer, 1 when it is older. */
ORVANA_CGT_API int16_t CheckVersion(int32_t version);

/* The screen number at which the interview left the module (meaningful after 1131);
 * 0 when that has not happened. */
ORVANA_CGT_API int32_t GetFailedScreenIndex(void);

#ifdef __cplusplus
}
#endif

#endif /* ORVANA_CGT_H */
