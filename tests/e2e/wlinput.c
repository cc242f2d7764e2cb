// A virtual pointer and a virtual keyboard on a wlroots compositor's seat, driven by one command a
// line on standard input. Each command is answered on standard output with "ok" once the
// compositor has taken it (a roundtrip), or "error: ..." on standard error and "error" on
// standard output. The devices stay on the seat until standard input ends.
//
//   extent W H       the size of the output layout that absolute moves are given in
//   move X Y         the pointer to X, Y of the layout (0 <= X <= W, 0 <= Y <= H)
//   press BUTTON     a button pressed: left, right, middle
//   release BUTTON   and released
//   keydown KEY      a key pressed: an XKB keysym name (a, A, Insert, Control_L, F4) or an evdev
//                    key code in decimal; a keysym on the second level does not press Shift
//   keyup KEY        and released
//   key KEYS         keys joined by "+" pressed in order and released in reverse order, with
//                    ctrl, shift, alt and super for the left-hand modifier keys: ctrl+Insert
//   type TEXT        the rest of the line typed one character after the other, Shift held for
//                    those on the second level
//   sync             nothing: answered once everything before it is applied
#define _GNU_SOURCE
#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

// The offset between evdev key codes, which the protocol carries, and XKB key codes.
enum { XkbOffset = 8 };

static struct wl_seat *seat;
static struct zwlr_virtual_pointer_manager_v1 *pointerManager;
static struct zwp_virtual_keyboard_manager_v1 *keyboardManager;
static struct zwlr_virtual_pointer_v1 *pointer;
static struct zwp_virtual_keyboard_v1 *keyboard;
static struct xkb_keymap *keymap;
static struct xkb_state *state;
static unsigned extentX = 1, extentY = 1;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                   uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        pointerManager =
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    else if (strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        keyboardManager =
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1);
}

static void globalRemove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registryListener = {global, globalRemove};

static uint32_t now(void)
{
    struct timespec time;
    clock_gettime(CLOCK_MONOTONIC, &time);
    return (uint32_t)(time.tv_sec * 1000 + time.tv_nsec / 1000000);
}

// The keyboard's map, the default layout (evdev rules, US), handed to the compositor in a file.
static int sendKeymap(void)
{
    struct xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context)
        return 0;
    keymap = xkb_keymap_new_from_names(context, NULL, XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_context_unref(context);
    if (!keymap)
        return 0;
    state = xkb_state_new(keymap);
    char *text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = strlen(text) + 1;
    const int file = memfd_create("keymap", MFD_CLOEXEC);
    const int written = file >= 0 && write(file, text, size) == (ssize_t)size;
    free(text);
    if (written)
        zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, file,
                                       (uint32_t)size);
    if (file >= 0)
        close(file);
    return written;
}

// The evdev key code that gives KEYSYM, and in *level the level it is on (0, or 1 with Shift);
// 0 when no key gives it.
static unsigned keyFor(xkb_keysym_t keysym, unsigned *level)
{
    for (unsigned wanted = 0; wanted < 2; ++wanted) {
        for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap);
             code <= xkb_keymap_max_keycode(keymap); ++code) {
            const xkb_keysym_t *syms;
            if (xkb_keymap_key_get_syms_by_level(keymap, code, 0, wanted, &syms) == 1 &&
                syms[0] == keysym) {
                *level = wanted;
                return code - XkbOffset;
            }
        }
    }
    return 0;
}

// The evdev key code of a key named as the commands name it; 0 for an unknown name.
static unsigned keyNamed(const char *name, unsigned *level)
{
    static const char *const modifiers[][2] = {
        {"ctrl", "Control_L"}, {"shift", "Shift_L"}, {"alt", "Alt_L"}, {"super", "Super_L"}};
    *level = 0;
    char *end;
    const unsigned long code = strtoul(name, &end, 10);
    if (*name && !*end)
        return (unsigned)code;
    for (size_t i = 0; i < sizeof modifiers / sizeof modifiers[0]; ++i) {
        if (strcasecmp(name, modifiers[i][0]) == 0)
            name = modifiers[i][1];
    }
    const xkb_keysym_t keysym = xkb_keysym_from_name(name, XKB_KEYSYM_NO_FLAGS);
    return keysym == XKB_KEY_NoSymbol ? 0 : keyFor(keysym, level);
}

// A key's press or release, followed by the modifier state it leaves: the compositor takes
// modifiers from a virtual keyboard only from that request.
static void sendKey(unsigned code, int pressed)
{
    zwp_virtual_keyboard_v1_key(keyboard, now(), code,
                                pressed ? WL_KEYBOARD_KEY_STATE_PRESSED
                                        : WL_KEYBOARD_KEY_STATE_RELEASED);
    const enum xkb_state_component changed =
        xkb_state_update_key(state, code + XkbOffset, pressed ? XKB_KEY_DOWN : XKB_KEY_UP);
    if (changed)
        zwp_virtual_keyboard_v1_modifiers(
            keyboard, xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED),
            xkb_state_serialize_mods(state, XKB_STATE_MODS_LATCHED),
            xkb_state_serialize_mods(state, XKB_STATE_MODS_LOCKED),
            xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE));
}

// A key pressed and released, with Shift around it when it is on the second level.
static void tapKey(unsigned code, unsigned level)
{
    unsigned ignored;
    const unsigned shift = keyNamed("Shift_L", &ignored);
    if (level)
        sendKey(shift, 1);
    sendKey(code, 1);
    sendKey(code, 0);
    if (level)
        sendKey(shift, 0);
}

static int pressKeys(char *keys)
{
    unsigned codes[8], count = 0, level;
    for (char *name = strtok(keys, "+"); name; name = strtok(NULL, "+")) {
        if (count == sizeof codes / sizeof codes[0] || !(codes[count++] = keyNamed(name, &level)))
            return 0;
    }
    for (unsigned i = 0; i < count; ++i)
        sendKey(codes[i], 1);
    while (count)
        sendKey(codes[--count], 0);
    return 1;
}

static int typeText(const char *text)
{
    while (*text) {
        // One UTF-8 sequence.
        const unsigned char lead = (unsigned char)*text;
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        uint32_t character = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int i = 1; i < length; ++i) {
            if ((text[i] & 0xC0) != 0x80)
                return 0;
            character = character << 6 | (text[i] & 0x3F);
        }
        text += length;
        unsigned level;
        const unsigned code = keyFor(xkb_utf32_to_keysym(character), &level);
        if (!code)
            return 0;
        tapKey(code, level);
    }
    return 1;
}

static int button(const char *name)
{
    return strcmp(name, "left") == 0     ? BTN_LEFT
           : strcmp(name, "right") == 0  ? BTN_RIGHT
           : strcmp(name, "middle") == 0 ? BTN_MIDDLE
                                         : 0;
}

static int run(char *line)
{
    line[strcspn(line, "\n")] = '\0';
    char *argument = strchr(line, ' ');
    if (argument)
        *argument++ = '\0';
    else
        argument = line + strlen(line);
    unsigned x, y, code, level;
    if (strcmp(line, "extent") == 0 && sscanf(argument, "%u %u", &x, &y) == 2 && x && y) {
        extentX = x;
        extentY = y;
    } else if (strcmp(line, "move") == 0 && sscanf(argument, "%u %u", &x, &y) == 2 &&
               x <= extentX && y <= extentY) {
        zwlr_virtual_pointer_v1_motion_absolute(pointer, now(), x, y, extentX, extentY);
        zwlr_virtual_pointer_v1_frame(pointer);
    } else if ((strcmp(line, "press") == 0 || strcmp(line, "release") == 0) && button(argument)) {
        zwlr_virtual_pointer_v1_button(pointer, now(), button(argument),
                                       line[0] == 'p' ? WL_POINTER_BUTTON_STATE_PRESSED
                                                      : WL_POINTER_BUTTON_STATE_RELEASED);
        zwlr_virtual_pointer_v1_frame(pointer);
    } else if ((strcmp(line, "keydown") == 0 || strcmp(line, "keyup") == 0) &&
               (code = keyNamed(argument, &level))) {
        sendKey(code, strcmp(line, "keydown") == 0);
    } else if (strcmp(line, "key") == 0) {
        if (!pressKeys(argument))
            return 0;
    } else if (strcmp(line, "type") == 0) {
        if (!typeText(argument))
            return 0;
    } else if (strcmp(line, "sync") != 0) {
        return 0;
    }
    return 1;
}

int main(void)
{
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "wlinput: no Wayland display\n");
        return 1;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, NULL);
    wl_display_roundtrip(display);
    int status = 1;
    if (!seat || !pointerManager || !keyboardManager) {
        fprintf(stderr, "wlinput: the compositor offers no virtual pointer and keyboard\n");
    } else {
        pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointerManager, seat);
        keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboardManager, seat);
        if (!sendKeymap()) {
            fprintf(stderr, "wlinput: no keymap\n");
        } else if (wl_display_roundtrip(display) >= 0) {
            status = 0;
            setvbuf(stdout, NULL, _IOLBF, 0);
            char *line = NULL;
            size_t capacity = 0;
            while (getline(&line, &capacity, stdin) > 0) {
                char *command = strdup(line);
                const int done = run(line);
                if (!done)
                    fprintf(stderr, "wlinput: cannot run: %s", command);
                free(command);
                if (wl_display_roundtrip(display) < 0) {
                    fprintf(stderr, "wlinput: the compositor closed the connection\n");
                    status = 1;
                    break;
                }
                puts(done ? "ok" : "error");
            }
            free(line);
        }
        zwp_virtual_keyboard_v1_destroy(keyboard);
        zwlr_virtual_pointer_v1_destroy(pointer);
    }
    if (state)
        xkb_state_unref(state);
    if (keymap)
        xkb_keymap_unref(keymap);
    if (keyboardManager)
        zwp_virtual_keyboard_manager_v1_destroy(keyboardManager);
    if (pointerManager)
        zwlr_virtual_pointer_manager_v1_destroy(pointerManager);
    if (seat)
        wl_seat_destroy(seat);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return status;
}
