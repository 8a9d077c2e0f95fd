// The keyboard's state on X11. The function keys are found by their XKB key
// names (the keysyms F13 to F19 sit on no key in the usual keymaps), the
// modifiers by the user's modifier map. Key changes come as XInput 2 raw
// events, read when the event loop finds them on the connection, so that a
// keyboard with no function key down costs nothing at all.

#include "framework/X11Keyboard.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

// Xlib last: its macros clash with the rest.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

namespace framework {

namespace {

using KeySet = std::bitset<256>;
constexpr int functionKeyCount = 19;

bool producesAny(const KeySym* syms, int count, std::initializer_list<KeySym> wanted) {
    return std::any_of(syms, syms + count, [&](KeySym sym) {
        return std::find(wanted.begin(), wanted.end(), sym) != wanted.end();
    });
}

} // namespace

class X11Keyboard::Connection final {
  public:
    explicit Connection(Display* display) : display_(display) {
        int opcode = 0;
        int error = 0;
        int major = XkbMajorVersion;
        int minor = XkbMinorVersion;
        if (XkbQueryExtension(display_, &opcode, &xkbEventBase_, &error, &major, &minor)) {
            const unsigned int changes = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
            XkbSelectEvents(display_, XkbUseCoreKbd, changes, changes);
        } else {
            xkbEventBase_ = -1;
        }
        // Raw events are only of use where an event loop reads them.
        if (QCoreApplication::instance() != nullptr) {
            loop_ = std::make_unique<QObject>();
            if (selectRawKeyEvents()) {
                notifier_ = new QSocketNotifier(ConnectionNumber(display_), QSocketNotifier::Read,
                                                loop_.get());
                QObject::connect(notifier_, &QSocketNotifier::activated, loop_.get(),
                                 [this] { readConnection(); });
            }
        }
        // The keys already down when we start.
        askServer();
    }
    ~Connection() {
        loop_.reset();
        XCloseDisplay(display_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool functionKeyDown(int number) {
        refresh();
        const unsigned int code = functionKeys_.at(static_cast<std::size_t>(number - 1));
        return code != 0 && seen_.test(code);
    }

    bool modifierKeyDown(ModifierKey key) {
        refresh();
        return (seen_ & modifiers_.at(static_cast<std::size_t>(key))).any();
    }

    bool wakeOnFunctionKey(QObject& context, std::function<void()> wake) {
        if (notifier_ == nullptr) {
            return false;
        }
        // What the last look's round trips brought along.
        handleQueuedEvents();
        const bool functionKeySeen =
            keymapChanged_ || ((looked_ | down_ | pressed_) & functionKeySet_).any();
        looked_.reset();
        if (functionKeySeen) {
            return false;
        }
        std::erase_if(wakers_, [&](const auto& waker) { return waker.first == &context; });
        wakers_.emplace_back(&context, std::move(wake));
        return true;
    }

  private:
    // One look serves every question until the event loop runs again, so a
    // tick's questions see one moment. Without raw events (no XInput 2.1), the
    // server's key map is asked at every look; with them, only while a key
    // that matters is down, so that a missed release can never hold a key
    // down for good. A function key pressed and released since the last look
    // reads down once, with the modifiers held as it went down, so no tap goes
    // unseen; a modifier let go before that counts for nothing.
    void refresh() {
        if (answered_) {
            return;
        }
        if (loop_) {
            answered_ = true;
            QMetaObject::invokeMethod(
                loop_.get(), [this] { answered_ = false; }, Qt::QueuedConnection);
        }
        handleQueuedEvents();
        if (keymapChanged_) {
            lookUpKeys();
        }
        if (notifier_ == nullptr || (down_ & watched_).any()) {
            askServer();
        }
        seen_ = down_ | pressed_;
        pressed_.reset();
        looked_ |= seen_;
    }

    void askServer() {
        char keys[32];
        XQueryKeymap(display_, keys);
        for (std::size_t code = 0; code < down_.size(); ++code) {
            down_.set(code, (keys[code / 8] >> (code % 8)) & 1);
        }
    }

    bool selectRawKeyEvents() {
        int event = 0;
        int error = 0;
        if (!XQueryExtension(display_, "XInputExtension", &xiOpcode_, &event, &error)) {
            return false;
        }
        // Since 2.1 raw events reach the root window whatever grabs are active.
        int major = 2;
        int minor = 1;
        if (XIQueryVersion(display_, &major, &minor) != Success || (major == 2 && minor < 1)) {
            return false;
        }
        std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> mask{};
        XISetMask(mask.data(), XI_RawKeyPress);
        XISetMask(mask.data(), XI_RawKeyRelease);
        XIEventMask selection{XIAllMasterDevices, static_cast<int>(mask.size()), mask.data()};
        XISelectEvents(display_, DefaultRootWindow(display_), &selection, 1);
        return true;
    }

    // The connection has data: reads all of it, then wakes whoever waits for
    // a function key when one went down.
    void readConnection() {
        bool wake = false;
        while (XEventsQueued(display_, QueuedAfterReading) > 0) {
            wake = handleQueuedEvents() || wake;
        }
        answered_ = false;
        if (wake) {
            for (const auto& [context, call] : std::exchange(wakers_, {})) {
                if (context) {
                    call();
                }
            }
        }
    }

    // Handles the events that Xlib has read already, without a system call.
    // True when a function key went down or the keymap changed.
    bool handleQueuedEvents() {
        bool functionKeyWentDown = false;
        while (XEventsQueued(display_, QueuedAlready) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == GenericEvent && event.xcookie.extension == xiOpcode_ &&
                XGetEventData(display_, &event.xcookie)) {
                const auto* raw = static_cast<const XIRawEvent*>(event.xcookie.data);
                if (raw->detail >= 0 && raw->detail < static_cast<int>(down_.size())) {
                    const auto code = static_cast<std::size_t>(raw->detail);
                    const bool pressed = event.xcookie.evtype == XI_RawKeyPress;
                    // Until a changed keymap is looked up, any key may be a
                    // function key and any held key a modifier.
                    if (pressed && (keymapChanged_ || functionKeySet_.test(code))) {
                        pressed_ |= keymapChanged_ ? down_ : down_ & modifierSet_;
                        pressed_.set(code);
                        functionKeyWentDown = true;
                    }
                    down_.set(code, pressed);
                }
                XFreeEventData(display_, &event.xcookie);
            } else if (event.type == MappingNotify) {
                XRefreshKeyboardMapping(&event.xmapping);
                keymapChanged_ = true;
            } else if (xkbEventBase_ >= 0 && event.type == xkbEventBase_) {
                keymapChanged_ = true;
            }
        }
        return functionKeyWentDown || keymapChanged_;
    }

    void lookUpKeys() {
        keymapChanged_ = false;
        functionKeys_.fill(0);
        if (XkbDescPtr xkb = XkbGetMap(display_, 0, XkbUseCoreKbd)) {
            if (XkbGetNames(display_, XkbKeyNamesMask, xkb) == Success && xkb->names != nullptr &&
                xkb->names->keys != nullptr) {
                for (int code = xkb->max_key_code; code >= xkb->min_key_code; --code) {
                    const char* name = xkb->names->keys[code].name;
                    for (int number = 1; number <= functionKeyCount; ++number) {
                        char wanted[XkbKeyNameLength + 1];
                        std::snprintf(wanted, sizeof wanted, "FK%02d", number);
                        if (std::memcmp(name, wanted, XkbKeyNameLength) == 0) {
                            functionKeys_.at(static_cast<std::size_t>(number - 1)) =
                                static_cast<unsigned int>(code);
                        }
                    }
                }
            }
            XkbFreeKeyboard(xkb, 0, True);
        }
        for (int number = 1; number <= functionKeyCount; ++number) {
            auto& code = functionKeys_.at(static_cast<std::size_t>(number - 1));
            if (code == 0) {
                code = XKeysymToKeycode(display_, XK_F1 + static_cast<KeySym>(number - 1));
            }
        }
        lookUpModifiers();
        functionKeySet_.reset();
        for (const unsigned int code : functionKeys_) {
            functionKeySet_.set(code);
        }
        functionKeySet_.reset(0);
        modifierSet_.reset();
        for (const auto& keys : modifiers_) {
            modifierSet_ |= keys;
        }
        watched_ = functionKeySet_ | modifierSet_;
    }

    // Shift and Control are their rows of the modifier map (a Caps Lock made
    // into Control is in the Control row); Option is the row that holds Alt
    // and Command the row that holds Super, whichever of Mod1 to Mod5 that
    // is. Lock keys never count.
    void lookUpModifiers() {
        for (auto& keys : modifiers_) {
            keys.reset();
        }
        int minCode = 0;
        int maxCode = 0;
        XDisplayKeycodes(display_, &minCode, &maxCode);
        int symsPerCode = 0;
        KeySym* syms = XGetKeyboardMapping(display_, static_cast<KeyCode>(minCode),
                                           maxCode - minCode + 1, &symsPerCode);
        XModifierKeymap* map = XGetModifierMapping(display_);
        if (syms == nullptr || map == nullptr) {
            XFree(syms);
            XFreeModifiermap(map);
            return;
        }
        auto symsOf = [&](KeyCode code) { return syms + (code - minCode) * symsPerCode; };
        auto row = [&](int index) { return map->modifiermap + index * map->max_keypermod; };
        auto addRow = [&](int index, ModifierKey key, bool skipLocks) {
            for (int i = 0; i < map->max_keypermod; ++i) {
                const KeyCode code = row(index)[i];
                if (code == 0 || code < minCode || code > maxCode ||
                    (skipLocks &&
                     producesAny(symsOf(code), symsPerCode,
                                 {XK_Caps_Lock, XK_Shift_Lock, XK_Num_Lock, XK_Scroll_Lock}))) {
                    continue;
                }
                modifiers_.at(static_cast<std::size_t>(key)).set(code);
            }
        };
        auto rowProduces = [&](int index, std::initializer_list<KeySym> wanted) {
            for (int i = 0; i < map->max_keypermod; ++i) {
                const KeyCode code = row(index)[i];
                if (code >= minCode && code <= maxCode &&
                    producesAny(symsOf(code), symsPerCode, wanted)) {
                    return true;
                }
            }
            return false;
        };
        addRow(ShiftMapIndex, ModifierKey::Shift, false);
        addRow(ControlMapIndex, ModifierKey::Control, false);
        for (int index = Mod1MapIndex; index <= Mod5MapIndex; ++index) {
            if (rowProduces(index, {XK_Alt_L, XK_Alt_R})) {
                addRow(index, ModifierKey::Option, true);
            }
            if (rowProduces(index, {XK_Super_L, XK_Super_R})) {
                addRow(index, ModifierKey::Command, true);
            }
        }
        XFree(syms);
        XFreeModifiermap(map);
    }

    Display* display_;
    int xkbEventBase_ = -1;
    int xiOpcode_ = -1;
    // Where an event loop runs; the notifier, its child, while raw key events
    // are read.
    std::unique_ptr<QObject> loop_;
    QSocketNotifier* notifier_ = nullptr;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> wakers_;
    bool keymapChanged_ = true;
    bool answered_ = false;
    std::array<unsigned int, functionKeyCount> functionKeys_{};
    std::array<KeySet, 4> modifiers_;
    KeySet functionKeySet_;
    KeySet modifierSet_;
    KeySet watched_;
    // Down now, as the events and the server last said; the function keys
    // pressed since the last look and the modifiers held as they went down;
    // what the last look answers; what the looks since the last question of
    // wakeOnFunctionKey saw.
    KeySet down_;
    KeySet pressed_;
    KeySet seen_;
    KeySet looked_;
};

X11Keyboard::X11Keyboard() = default;

X11Keyboard::~X11Keyboard() = default;

X11Keyboard::Connection* X11Keyboard::connection() {
    if (!tried_) {
        tried_ = true;
        if (Display* display = XOpenDisplay(nullptr)) {
            connection_ = std::make_unique<Connection>(display);
        }
    }
    return connection_.get();
}

bool X11Keyboard::functionKeyDown(int number) {
    Connection* x = connection();
    return x != nullptr && x->functionKeyDown(number);
}

bool X11Keyboard::modifierKeyDown(ModifierKey key) {
    Connection* x = connection();
    return x != nullptr && x->modifierKeyDown(key);
}

bool X11Keyboard::wakeOnFunctionKey(QObject& context, std::function<void()> wake) {
    Connection* x = connection();
    return x != nullptr && x->wakeOnFunctionKey(context, std::move(wake));
}

} // namespace framework
