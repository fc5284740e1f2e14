/* Vokadlo: Czech text to speech, the C interface of libvokadlo.
 *
 * Plain C99, also valid C++. A program creates one synthesizer, sets its options and speaks
 * UTF-8 texts into its own callbacks, which receive the samples (22050 Hz, mono, signed 16-bit,
 * native byte order) and the events in stream order:
 *
 *     vokadlo *v = vokadlo_new();
 *     vokadlo_set_option(v, "voice", "VEMIRa");
 *     vokadlo_synthesize(v, "Dobrý den", on_audio, on_event, my_data);
 *     vokadlo_free(v);
 *
 * Threads: the engine is one per process, so at most one synthesizer exists at a time. Its calls
 * may come from any thread, one call at a time. Callbacks run on the thread that called
 * vokadlo_synthesize, before it returns; from inside a callback no call other than
 * vokadlo_last_error, vokadlo_version and vokadlo_sample_rate may be made.
 *
 * Errors: every call that can fail returns a code (or NULL) and leaves a one-line message
 * (UTF-8) for vokadlo_last_error. No exception, exit or abort crosses this interface and
 * nothing is printed unless the option "notices" asks for it.
 */
#ifndef VOKADLO_VOKADLO_H
#define VOKADLO_VOKADLO_H

#include <stddef.h>
#include <stdint.h>

#if defined(__GNUC__)
#define VOKADLO_API __attribute__((visibility("default")))
#else
#define VOKADLO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The version of the library this header belongs to. VOKADLO_API_VERSION grows by one with
 * every addition to this interface; the major version changes (with the SONAME) only when a
 * call or structure changes incompatibly. */
#define VOKADLO_VERSION_MAJOR 0
#define VOKADLO_VERSION_MINOR 1
#define VOKADLO_VERSION_PATCH 0
#define VOKADLO_VERSION_STRING "0.1.0"
#define VOKADLO_API_VERSION 1

/* Return codes. */
enum {
    VOKADLO_OK = 0,
    VOKADLO_ERR_ARGUMENT = 1,  /* a NULL handle, text, option name or value */
    VOKADLO_ERR_OPTION = 2,    /* an unknown option, or a value it does not take */
    VOKADLO_ERR_TEXT = 3,      /* the text is not valid UTF-8 */
    VOKADLO_ERR_SYNTHESIS = 4, /* the engine could not speak the text (a bad inline tag ...) */
    VOKADLO_ERR_STOPPED = 5,   /* a callback returned non-zero */
    VOKADLO_ERR_BUSY = 6       /* the call came from inside a callback */
};

/* The version of the library linked, "MAJOR.MINOR.PATCH"; static storage. */
VOKADLO_API const char* vokadlo_version(void);

/* The sample rate of every sample delivered: 22050 (Hz, one channel, signed 16-bit). */
VOKADLO_API int vokadlo_sample_rate(void);

/* A synthesizer: the engine with its settings. */
typedef struct vokadlo vokadlo;

/* Creates the synthesizer, with the settings of a freshly started program: the built-in voice
 * VEMIRa and whatever the settings store of the configuration folder holds (see config_dir).
 * Returns NULL when another synthesizer exists or the engine cannot be built;
 * vokadlo_last_error(NULL) then says why. Allocates. */
VOKADLO_API vokadlo* vokadlo_new(void);

/* Ends the synthesizer and frees everything it holds; NULL is ignored. Not from a callback. */
VOKADLO_API void vokadlo_free(vokadlo* v);

/* Sets one option by name; both strings are UTF-8 and only read during the call. Each takes
 * effect from the next text. An unknown name or a value outside its range returns
 * VOKADLO_ERR_OPTION (VOKADLO_ERR_ARGUMENT for NULL) and leaves every setting as it was. Options
 * set here win over the settings store, whatever their order.
 *
 *   voice              VEMIRa, VEMIRuska or VEMIR (any case), or 1, 2, 3; sets the voice's own
 *                      pitch unless "pitch" was set
 *   rate               tempo in words a minute, 40..350 (119 is the recorded tempo)
 *   speed              tempo as a duration scale in percent, 1..1000 (100 recorded, 50 twice
 *                      as fast); rate and speed replace each other
 *   pitch              resampling count -100..100: with C > 1 one sample is inserted every C
 *                      samples (lower), with C < -1 one is removed every -C (higher)
 *   volume             0..63750, amplitude times (V / 63750) squared; 0 leaves it unscaled
 *   amplitude          linear gain in percent, 0..200 (100 as recorded)
 *   echo_tracks        echo taps, 0..10
 *   echo_delay         samples between taps, 0..20000
 *   echo_volume        echo level, 0..100
 *   intonation         sentence intonation: on, off
 *   intonation_linear  gliding intonation: on, off
 *   word_space         length of a space in ms, 0..300
 *   period_pause       pause before a full stop in ms, 0..650
 *   random_spread      divisor of the random spread of durations, 1..50 (larger, steadier)
 *   seed               seed of that randomness, 0..4294967295, for reproducible output; an
 *                      empty value returns to a new seed for every chunk
 *   decimal_separator  one character used in numbers; empty: the locale's
 *   format             how the text is read: tags (inline tags such as \mrk=N\ and {spd=N}
 *                      act; the default), plain (every character is text) or ssml (an SSML
 *                      document: its marks come as MARK events by name, its breaks as
 *                      silence, its <voice> holds for it; events carry no text places)
 *   reading            czech (the default): numbers, units, dates and abbreviations are read
 *                      as a Czech speaker reads them ("25 Kč" as "dvacet pět korun"); design:
 *                      the text goes to the engine as written, whose own rules read it
 *   config_dir         folder of the user dictionary and the settings store; empty: the
 *                      default ($VOKADLO_CONFIG_DIR, else $XDG_CONFIG_HOME/vokadlo, else
 *                      ~/.config/vokadlo). Rebuilds the engine, which rereads both.
 *   samples_from_disk  folder holding the voice's recordings as <code>.wav (mono, 16-bit,
 *                      22050 Hz, names in any case); refused when it holds none; empty: the
 *                      built-in voice
 *   notices            on: the engine's notices go to standard error; off (the default):
 *                      they are dropped
 */
VOKADLO_API int vokadlo_set_option(vokadlo* v, const char* name, const char* value);

/* Event types. */
enum {
    VOKADLO_EVENT_WORD = 1, /* a chunk (a word, or a few short ones) starts */
    VOKADLO_EVENT_MARK = 2, /* a bookmark (\mrk=N\) of the chunk that starts */
    VOKADLO_EVENT_END = 3   /* the whole text has been spoken */
};

/* An event; valid during the callback only. Fields may be added at the end in later versions. */
typedef struct vokadlo_event {
    int type;               /* VOKADLO_EVENT_* */
    uint64_t sample_offset; /* samples delivered before this event, counted from the call's start */
    int64_t text_offset;    /* byte offset in the caller's UTF-8 text of the chunk, or -1 */
    int64_t text_length;    /* bytes of the caller's text the chunk came from, or -1 */
    const char* mark;       /* MARK: its name (SSML) or number (\mrk=N\) in decimal; else NULL */
    const char* text;       /* WORD: the chunk's text as spoken, UTF-8; else NULL */
} vokadlo_event;

/* The callbacks. `samples` is valid during the call only. Returning non-zero stops the
 * synthesis at once: no further callback comes, and vokadlo_synthesize returns
 * VOKADLO_ERR_STOPPED. */
typedef int (*vokadlo_audio_fn)(const int16_t* samples, size_t count, void* user_data);
typedef int (*vokadlo_event_fn)(const vokadlo_event* event, void* user_data);

/* Speaks a UTF-8 text into the callbacks (either may be NULL) and returns when it has been
 * spoken: first each chunk's WORD event, then its MARK events, then its samples, and at last
 * the END event. The samples equal, sample for sample, those vokadlo-say writes with -w for the
 * same text and settings. Returns VOKADLO_OK, or an error code with a message. A blank text
 * gives only the END event. */
VOKADLO_API int vokadlo_synthesize(vokadlo* v, const char* utf8_text, vokadlo_audio_fn on_audio,
                                   vokadlo_event_fn on_event, void* user_data);

/* The message of the last failed call on `v`, or with NULL of the last failed vokadlo_new on
 * this thread; "" when there is none. Valid until the next call on `v` (on this thread). */
VOKADLO_API const char* vokadlo_last_error(const vokadlo* v);

#ifdef __cplusplus
}
#endif

#endif /* VOKADLO_VOKADLO_H */
