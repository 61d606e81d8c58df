#!/usr/bin/env bash
# Makes the program group for real in the Wine prefix and reads its three shortcuts back from
# the Linux side with lnkinfo: each must lie in the all-users Start menu group or on the
# all-users desktop, with the right target and working folder. Removes what it made.
# Usage: program_group_lnkinfo.sh <program_group_tool.exe>
set -euo pipefail
tool=$1
: "${WINEPREFIX:?the Wine prefix must be set}"
drive_c="$WINEPREFIX/drive_c"

name="setup-lnkinfo-$$"
folder="C:\\$name\\LabVIEW 7.0"
group_dir="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Larkhaven"
desktop_dir="$drive_c/users/Public/Desktop"
manual_link="KTR7400 LabView Driver Manual.lnk"
examples_link="LabView Application Examples.lnk"

group_existed=0
[ -d "$group_dir" ] && group_existed=1
cleanup() {
  rm -f "$group_dir/$manual_link" "$group_dir/$examples_link" "$desktop_dir/$manual_link"
  [ "$group_existed" = 1 ] || rmdir "$group_dir" 2>/dev/null || true
  rm -rf "${drive_c:?}/$name"
}
trap cleanup EXIT

status=0
fail() {
  echo "FAIL: $*"
  status=1
}

output=$(wine "$tool" "$folder" | tr -d '\r')
echo "$output"
[ "$(sed -n 's/^group=//p' <<<"$output")" = 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Larkhaven' ] ||
  fail "the group is not in the all-users Programs folder"
[ "$(sed -n 's/^desktop=//p' <<<"$output")" = 'C:\users\Public\Desktop\' ] ||
  fail "the desktop is not the all-users desktop"

# link file, target, working folder
check_link() {
  local link=$1 target=$2 working=$3 info
  if [ ! -f "$link" ]; then
    fail "missing: $link"
    return
  fi
  info=$(lnkinfo "$link")
  local got_target got_working
  got_target=$(sed -n 's/^\tLocal path\t*: //p' <<<"$info")
  got_working=$(sed -n 's/^\tWorking directory\t*: //p' <<<"$info")
  [ "$got_target" = "$target" ] || fail "$link: target '$got_target', expected '$target'"
  [ "$got_working" = "$working" ] || fail "$link: working folder '$got_working', expected '$working'"
  echo "ok: $link -> $got_target in $got_working"
}

docs="$folder\\instr.lib\\LH7400\\Documentation"
manual="$docs\\KTR 7400 LabView Driver Manual.pdf"
check_link "$group_dir/$manual_link" "$manual" "$docs"
check_link "$desktop_dir/$manual_link" "$manual" "$docs"
check_link "$group_dir/$examples_link" "$folder\\examples\\LH7400" "$folder\\examples"
[ ! -e "$drive_c/$name/LabVIEW 7.0/$manual_link" ] ||
  fail "the link written into the LabVIEW folder was not removed"
# Exactly the two shortcuts in the group.
count=$(find "$group_dir" -maxdepth 1 -name '*.lnk' | wc -l)
[ "$count" = 2 ] || fail "the group holds $count shortcuts, expected 2"

exit $status
