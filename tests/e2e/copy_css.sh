#!/bin/bash
# Colour > Copy CSS as a person uses it: the submenu and each form by their access keys, read from
# the X clipboard; short hex refused for a colour without one; F8 with the menu closed copying
# again in the form chosen last, also after the program was closed and started again.
program=$1
source "$(dirname "$0")/xsession.sh"

# The stored current colour is FF6600; the copy options (quotes, pound sign) shape none of the forms.
write_settings '"Splash"=dword:00000000' '"Copy"=dword:0000004a'
start_program

# copies TEXT KEY...: the keys pressed on the main window put TEXT on the X clipboard.
copies() {
    local text=$1
    shift
    printf 'none' | xclip -selection clipboard
    xdotool windowfocus --sync "$window" key --delay 100 "$@"
    until_true 5 clipboard_is "$text" || fail "$* copied $(xclip -selection clipboard -o), not $text"
}
# css_copies TEXT KEY: Alt+C, C opens Copy CSS, whose item KEY puts TEXT on the clipboard.
css_copies() { copies "$1" alt+c c "$2"; }
# enter HEX: F9, the hex typed into Enter Colour and Enter: HEX is the current colour.
enter() {
    entry_gone() { ! xdotool search --onlyvisible --name '^Enter Colour$' >/dev/null; }
    xdotool windowfocus --sync "$window" key F9
    entry=$(find_window 'Enter Colour') || fail "F9 did not open Enter Colour"
    xdotool windowfocus --sync "$entry" type --delay 50 "$1"
    xdotool key Return
    until_true 5 entry_gone || fail "Enter did not take $1"
}

css_copies '#ff6600' h
css_copies '#f60' s
css_copies 'rgb(255 102 0)' r
css_copies 'hsl(24 100% 50%)' l
css_copies 'oklch(69.58% 0.204 43.49)' o
css_copies '--colour-ff6600: #ff6600;' p
copies '--colour-ff6600: #ff6600;' F8

# 808080 has no short hex: its item is greyed, so S leaves the submenu open and O is taken there.
enter 808080
copies 'oklch(59.99% 0 0)' alt+c c s o
copies 'oklch(59.99% 0 0)' F8

enter ff0000
css_copies '#f00' s
copies '#f00' F8

# The form chosen last is kept under the Extras key and repeated by F8 after a new start.
exit_by_menu "$pid"
extras=$(sed -n '/Pigmenta R4\\Extras\]/,/^\[/p' "$settings" | grep -a '^"CSS Form"=' | tr -d '\r')
[[ $extras == '"CSS Form"=dword:0000000d' ]] || fail "the Extras key holds ${extras:-no CSS Form}"
start_program
copies '#f00' F8
