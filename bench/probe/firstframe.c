/*
 * firstframe: starts a program and reports when its first frame reaches the X server, and how much
 * memory the process that drew it holds then. The program needs no help for it: the X server
 * reports every drawing on the screen (DAMAGE, on the root window), and the first drawn rectangle
 * that holds more than one colour counts as the first frame, so a window's plain background,
 * painted before any content, does not. The process that drew is the one the drawn window names
 * (_NET_WM_PID, which Qt and Wine both set), else the started one.
 *
 *   firstframe [--timeout S] [--settle S] [--smaps FILE] PROGRAM [ARGS...]
 *
 * Prints one line, "frame_ms=F cpu_ms=C rss_kib=R hwm_kib=H peak_kib=P pid=N": the time from the
 * start to the first frame, the processor time the drawing process had used by then (all its
 * threads), its resident and peak resident memory then, and its peak once it has run on for the
 * settle time (default 0.5 s). Then ends the program. Exit status 2 when the program ends or draws
 * nothing within the timeout (default 30 s), or the display lacks DAMAGE. With --smaps, the drawing
 * process is stopped at its first frame while its memory map (/proc/PID/smaps) is copied to FILE,
 * to see where the memory at that instant lies.
 */
#define _GNU_SOURCE
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { max_windows = 64 };

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* A "Name: value kB" line of /proc/PID/status, in KiB; -1 when there is none. */
static long status_kib(pid_t pid, const char *name)
{
    char path[64], line[256];
    long value = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *file = fopen(path, "r");
    if (!file)
        return -1;
    const size_t length = strlen(name);
    while (fgets(line, sizeof line, file)) {
        if (strncmp(line, name, length) == 0 && line[length] == ':') {
            value = strtol(line + length + 1, NULL, 10);
            break;
        }
    }
    fclose(file);
    return value;
}

/* Processor time of every thread of PID so far, in ms (the first field of each schedstat, in ns). */
static double cpu_ms(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR *tasks = opendir(path);
    if (!tasks)
        return -1;
    double total = 0;
    struct dirent *task;
    while ((task = readdir(tasks))) {
        if (task->d_name[0] == '.')
            continue;
        char file_path[300];
        snprintf(file_path, sizeof file_path, "/proc/%d/task/%s/schedstat", (int)pid, task->d_name);
        FILE *file = fopen(file_path, "r");
        unsigned long long ns = 0;
        if (file) {
            if (fscanf(file, "%llu", &ns) == 1)
                total += ns / 1e6;
            fclose(file);
        }
    }
    closedir(tasks);
    return total;
}

/* Whether the screen's rectangle holds more than one colour. */
static int drawn(xcb_connection_t *c, xcb_window_t root, const xcb_rectangle_t *area)
{
    xcb_get_image_reply_t *image = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, area->x, area->y, area->width, area->height, ~0u), NULL);
    if (!image)
        return 0;
    const uint32_t *pixels = (const uint32_t *)xcb_get_image_data(image);
    const int count = xcb_get_image_data_length(image) / 4;
    int varied = 0;
    for (int i = 1; i < count && !varied; ++i)
        varied = (pixels[i] & 0xffffff) != (pixels[0] & 0xffffff);
    free(image);
    return varied;
}

/* The process the window that holds the point says drew it, or 0. */
static pid_t window_pid(xcb_connection_t *c, const xcb_window_t *windows, int count, int x, int y)
{
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, 11, "_NET_WM_PID"), NULL);
    pid_t pid = 0;
    for (int i = count - 1; atom && atom->atom != XCB_ATOM_NONE && i >= 0 && !pid; --i) {
        xcb_get_geometry_reply_t *box = xcb_get_geometry_reply(c, xcb_get_geometry(c, windows[i]), NULL);
        if (box && x >= box->x && y >= box->y && x < box->x + box->width && y < box->y + box->height) {
            xcb_get_property_reply_t *property = xcb_get_property_reply(
                c, xcb_get_property(c, 0, windows[i], atom->atom, XCB_ATOM_CARDINAL, 0, 1), NULL);
            if (property && xcb_get_property_value_length(property) == 4)
                pid = (pid_t) * (const uint32_t *)xcb_get_property_value(property);
            free(property);
        }
        free(box);
    }
    free(atom);
    return pid;
}

static void copy_smaps(pid_t pid, const char *to)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/smaps", (int)pid);
    FILE *in = fopen(path, "r"), *out = fopen(to, "w");
    char buffer[4096];
    size_t n;
    while (in && out && (n = fread(buffer, 1, sizeof buffer, in)) > 0)
        fwrite(buffer, 1, n, out);
    if (!in || !out)
        fprintf(stderr, "firstframe: could not copy %s to %s\n", path, to);
    if (in)
        fclose(in);
    if (out)
        fclose(out);
}

static void end_program(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(child, NULL, WNOHANG) == child)
            return;
        usleep(20000);
    }
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
}

int main(int argc, char **argv)
{
    double timeout_s = 30, settle_s = 0.5;
    const char *smaps_file = NULL;
    int first = 1;
    for (; first + 1 < argc && strncmp(argv[first], "--", 2) == 0; first += 2) {
        if (strcmp(argv[first], "--timeout") == 0)
            timeout_s = atof(argv[first + 1]);
        else if (strcmp(argv[first], "--settle") == 0)
            settle_s = atof(argv[first + 1]);
        else if (strcmp(argv[first], "--smaps") == 0)
            smaps_file = argv[first + 1];
        else
            break;
    }
    if (first >= argc) {
        fprintf(stderr, "usage: firstframe [--timeout S] [--settle S] [--smaps FILE] PROGRAM [ARGS...]\n");
        return 2;
    }

    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "firstframe: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t *damage_extension = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage_extension || !damage_extension->present) {
        fprintf(stderr, "firstframe: the display has no DAMAGE extension\n");
        return 2;
    }
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_damage_damage_t damage = xcb_generate_id(c);
    xcb_damage_create(c, damage, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    /* Set up before the program starts: a round trip. */
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), NULL));
    const int fd = xcb_get_file_descriptor(c);
    fcntl(fd, F_SETFD, FD_CLOEXEC);

    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        perror("firstframe: exec");
        _exit(127);
    }

    xcb_window_t windows[max_windows];
    int window_count = 0;
    double frame = -1;
    xcb_rectangle_t frame_area = {0, 0, 0, 0};
    while (frame < 0) {
        if (waitpid(child, NULL, WNOHANG) == child) {
            fprintf(stderr, "firstframe: %s ended before it drew\n", argv[first]);
            return 2;
        }
        if (now_ms() - start > timeout_s * 1000) {
            fprintf(stderr, "firstframe: %s drew nothing in %g s\n", argv[first], timeout_s);
            end_program(child);
            return 2;
        }
        struct pollfd wait_for = {fd, POLLIN, 0};
        poll(&wait_for, 1, 20);
        xcb_generic_event_t *event;
        while (frame < 0 && (event = xcb_poll_for_event(c))) {
            const double seen = now_ms();
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && window_count < max_windows) {
                windows[window_count++] = ((xcb_map_notify_event_t *)event)->window;
            } else if (type == damage_extension->first_event + XCB_DAMAGE_NOTIFY) {
                const xcb_rectangle_t area = ((xcb_damage_notify_event_t *)event)->area;
                if (area.width > 0 && area.height > 0 && drawn(c, root, &area)) {
                    frame = seen - start;
                    frame_area = area;
                }
            }
            free(event);
        }
        if (xcb_connection_has_error(c)) {
            fprintf(stderr, "firstframe: lost the display\n");
            end_program(child);
            return 2;
        }
    }

    pid_t drawer = window_pid(c, windows, window_count, frame_area.x, frame_area.y);
    if (drawer <= 0 || status_kib(drawer, "VmRSS") < 0)
        drawer = child;
    if (smaps_file)
        kill(drawer, SIGSTOP);
    const double cpu = cpu_ms(drawer);
    const long rss = status_kib(drawer, "VmRSS");
    const long hwm = status_kib(drawer, "VmHWM");
    if (smaps_file) {
        copy_smaps(drawer, smaps_file);
        kill(drawer, SIGCONT);
    }
    usleep((useconds_t)(settle_s * 1e6));
    const long peak = status_kib(drawer, "VmHWM");
    end_program(child);
    /* Under Wine the drawing process is not the started one: it is gone before the next start. */
    if (drawer != child) {
        kill(drawer, SIGTERM);
        for (int i = 0; i < 150 && kill(drawer, 0) == 0; ++i)
            usleep(20000);
    }
    if (peak < 0) {
        fprintf(stderr, "firstframe: %s ended within %g s of its first frame\n", argv[first], settle_s);
        return 2;
    }
    printf("frame_ms=%.1f cpu_ms=%.1f rss_kib=%ld hwm_kib=%ld peak_kib=%ld pid=%d\n", frame, cpu, rss, hwm, peak,
           (int)drawer);
    xcb_disconnect(c);
    return 0;
}
