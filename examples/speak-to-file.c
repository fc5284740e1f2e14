/* Speaks a Czech text into a WAV file through libvokadlo, printing each word and mark:
 *   cc -std=c99 speak-to-file.c $(pkg-config --cflags --libs vokadlo) -o speak-to-file
 *   ./speak-to-file out.wav "Dobrý den, \mrk=1\ jak se máte?"
 */
#include <stdio.h>

#include <vokadlo/vokadlo.h>

struct output {
    FILE* file;
    unsigned long bytes; /* of samples written */
};

static void put_le(FILE* file, unsigned long value, int bytes) {
    int i;
    for (i = 0; i < bytes; ++i) {
        fputc((int)((value >> (8 * i)) & 0xFF), file);
    }
}

/* The 44-byte header of a mono 16-bit PCM file with `bytes` of samples. */
static void put_header(FILE* file, unsigned long bytes) {
    const unsigned long rate = (unsigned long)vokadlo_sample_rate();
    fwrite("RIFF", 1, 4, file);
    put_le(file, 36 + bytes, 4);
    fwrite("WAVEfmt ", 1, 8, file);
    put_le(file, 16, 4);
    put_le(file, 1, 2); /* PCM */
    put_le(file, 1, 2); /* mono */
    put_le(file, rate, 4);
    put_le(file, rate * 2, 4);
    put_le(file, 2, 2);
    put_le(file, 16, 2);
    fwrite("data", 1, 4, file);
    put_le(file, bytes, 4);
}

static int on_audio(const int16_t* samples, size_t count, void* user_data) {
    struct output* out = (struct output*)user_data;
    unsigned char bytes[4096]; /* little-endian, as WAV has them */
    size_t i, n = 0;
    for (i = 0; i < count; ++i) {
        const uint16_t sample = (uint16_t)samples[i];
        bytes[n++] = (unsigned char)(sample & 0xFF);
        bytes[n++] = (unsigned char)(sample >> 8);
        if (n == sizeof bytes || i + 1 == count) {
            fwrite(bytes, 1, n, out->file);
            n = 0;
        }
    }
    out->bytes += (unsigned long)count * 2;
    return ferror(out->file) ? 1 : 0; /* non-zero stops the synthesis */
}

static int on_event(const vokadlo_event* event, void* user_data) {
    (void)user_data;
    if (event->type == VOKADLO_EVENT_WORD) {
        printf("word at sample %lu, text bytes %ld+%ld: %s\n", (unsigned long)event->sample_offset,
               (long)event->text_offset, (long)event->text_length, event->text);
    } else if (event->type == VOKADLO_EVENT_MARK) {
        printf("mark %s at sample %lu\n", event->mark, (unsigned long)event->sample_offset);
    } else if (event->type == VOKADLO_EVENT_END) {
        printf("end at sample %lu\n", (unsigned long)event->sample_offset);
    }
    return 0;
}

int main(int argc, char** argv) {
    struct output out = {NULL, 0};
    vokadlo* v;
    int status;
    if (argc != 3) {
        fprintf(stderr, "usage: speak-to-file OUT.wav TEXT\n");
        return 2;
    }
    v = vokadlo_new();
    if (!v) {
        fprintf(stderr, "speak-to-file: %s\n", vokadlo_last_error(NULL));
        return 1;
    }
    out.file = fopen(argv[1], "wb");
    if (!out.file) {
        perror(argv[1]);
        vokadlo_free(v);
        return 1;
    }
    put_header(out.file, 0); /* the sizes are put right at the end */
    status = vokadlo_synthesize(v, argv[2], on_audio, on_event, &out);
    if (status != VOKADLO_OK) {
        fprintf(stderr, "speak-to-file: %s\n", vokadlo_last_error(v));
    } else {
        rewind(out.file);
        put_header(out.file, out.bytes);
    }
    vokadlo_free(v);
    if (fclose(out.file) != 0 || status != VOKADLO_OK) {
        remove(argv[1]);
        return 1;
    }
    return 0;
}
