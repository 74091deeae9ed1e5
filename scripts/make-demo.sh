#!/usr/bin/env bash
# Makes a ready demo in a data home of its own (never the user's): a stand-in ACT! database
# (user "demo", password "demo") with sample contacts, calendar entries, to-dos and notes; a
# Google account demo@example.org (password "demo") whose contacts and calendar overlap them
# (some new, some different, some the same); a Palm Desktop 4.1.4 folder with the user "Demo"
# (contacts, calendar, to-dos and memos) and the registry file that names it; an Outlook data
# file (contacts with user-defined fields, recurring appointments of every kind, tasks of every
# status, notes of every colour); and the settings that point at all of them, with the
# passwords saved. The source is Google, or Palm Desktop when the third argument is "palm";
# "palm6" makes the Palm Desktop folder one of Palm Desktop 6.2, whose user keeps the same
# records in Access databases; "outlook" starts on Outlook; "lotus" starts on Lotus Notes, whose
# data folder (Notes/) holds what Notes exports: the address book as vCard, the mail database's
# calendar and to-dos as iCalendar, the notebook as structured text.
#   make-demo.sh BIN-FOLDER DATA-HOME [google|palm|palm6|outlook|lotus]
set -euo pipefail
bin=$1
home=$2
source_app=2
palm_demo=demo
case "${3:-google}" in
  palm) source_app=5 ;;
  palm6) source_app=5; palm_demo=demo6 ;;
  outlook) source_app=3 ;;
  lotus) source_app=4 ;;
esac
data="$home/corvane/VLACT"
account="$data/GoogleAccounts/demo@example.org"
rm -rf "$home"
mkdir -p "$account" "$home/corvane/VLCommon"
chmod 700 "$home/corvane" "$data"

"$bin/velmora-actpad" create "$data/Demo.pad" demo demo --samples

printf 'demo\n' > "$account/password"

# The two contacts the Google and Lotus Notes demos share: Ann Lee as ACT! has her, Bob Marsh
# with another company.
ann_and_bob=$(cat <<'VCF'
BEGIN:VCARD
VERSION:3.0
FN:Ann Lee
N:Lee;Ann;;;
EMAIL;TYPE=INTERNET;TYPE=WORK:ann.lee@acme.example
TEL;TYPE=WORK:555-0100x12
ADR;TYPE=WORK:;;1 Main Street;Springfield;WA;98052;USA
ORG:Acme Corporation
END:VCARD
BEGIN:VCARD
VERSION:3.0
FN:Bob Marsh
N:Marsh;Bob;;;
EMAIL;TYPE=INTERNET;TYPE=WORK:bob@brix.example
TEL;TYPE=WORK:555-0142
ADR;TYPE=WORK:;;7 Harbour Road;Springfield;WA;98052;USA
ORG:Brix & Sons Ltd
TITLE:Buyer
END:VCARD
VCF
)

# Dora Kim and Ed Novak are new.
{ printf '%s\n' "$ann_and_bob"; cat <<'VCF'
BEGIN:VCARD
VERSION:3.0
FN:Dora Kim
N:Kim;Dora;;;
EMAIL;TYPE=INTERNET;TYPE=WORK:dora.kim@example.org
TEL;TYPE=CELL:555-0199
ORG:Kim Design
TITLE:Owner
BDAY:1975-09-14
END:VCARD
BEGIN:VCARD
VERSION:3.0
FN:Ed Novák
N:Novák;Ed;;;
EMAIL;TYPE=INTERNET;TYPE=HOME:ed.novak@example.net
NOTE:Met at the trade fair\, stand 12.
END:VCARD
VCF
} > "$account/contacts.vcf"

# The quarterly review is as ACT! has it; the team call is in another room; the fair is new.
cat > "$account/work.ics" <<'ICS'
BEGIN:VCALENDAR
PRODID:-//Google Inc//Google Calendar 70.9054//EN
VERSION:2.0
X-WR-CALNAME:Work
BEGIN:VEVENT
DTSTART:20080307T090000
DTEND:20080307T103000
SUMMARY:Quarterly review
LOCATION:Room 1
END:VEVENT
BEGIN:VEVENT
DTSTART:20080303T140000
DTEND:20080303T143000
RRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE
SUMMARY:Team call
LOCATION:Room 2
BEGIN:VALARM
ACTION:DISPLAY
TRIGGER:-PT10M
END:VALARM
END:VEVENT
BEGIN:VEVENT
DTSTART;VALUE=DATE:20080310
DTEND;VALUE=DATE:20080311
SUMMARY:Trade fair
END:VEVENT
END:VCALENDAR
ICS

"$bin/velmora-palmdat" "$palm_demo" "$home/Palm"
"$bin/velmora-pst" demo "$home/Outlook Files/Demo.pst"

# Lotus Notes: Ann Lee and Bob as above, the review as ACT! has it; Hana is new.
notes="$home/Notes"
mkdir -p "$notes"
{ printf '%s\n' "$ann_and_bob"; cat <<'VCF'
BEGIN:VCARD
VERSION:3.0
PRODID:-//Lotus Development Corporation//NONSGML Notes 8.5//EN
FN:Hana Sato
N:Sato;Hana;;;
EMAIL;TYPE=INTERNET;TYPE=WORK:hana.sato@example.jp
TEL;TYPE=CELL:555-0377
ORG:Sato Trading
TITLE:Partner
BDAY:1979-11-02
X-LOTUS-CHILD_UID:4E19204063C93D2388256E5C006BF8D9
END:VCARD
VCF
} > "$notes/names.vcf"
cat > "$notes/mail.ics" <<'ICS'
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Lotus Development Corporation//NONSGML Notes 9.0.1//EN_C
BEGIN:VTIMEZONE
TZID:Eastern
BEGIN:STANDARD
DTSTART:19501105T020000
TZOFFSETFROM:-0400
TZOFFSETTO:-0500
RRULE:FREQ=YEARLY;BYMINUTE=0;BYHOUR=2;BYDAY=1SU;BYMONTH=11
END:STANDARD
BEGIN:DAYLIGHT
DTSTART:19500312T020000
TZOFFSETFROM:-0500
TZOFFSETTO:-0400
RRULE:FREQ=YEARLY;BYMINUTE=0;BYHOUR=2;BYDAY=2SU;BYMONTH=3
END:DAYLIGHT
END:VTIMEZONE
BEGIN:VEVENT
DTSTART:20080307T090000
DTEND:20080307T103000
SUMMARY:Quarterly review
LOCATION:Room 1
UID:1A19204063C93D2388256E5C006BF8D9-Lotus_Notes_Generated
X-LOTUS-NOTICETYPE:A
END:VEVENT
BEGIN:VEVENT
DTSTART;TZID="Eastern":20080311T100000
DTEND;TZID="Eastern":20080311T110000
RDATE;VALUE=PERIOD;TZID="Eastern":20080311T100000/20080311T110000
 ,20080318T100000/20080318T110000,20080325T100000/20080325T110000
 ,20080401T100000/20080401T110000
SUMMARY:Sales meeting
LOCATION:Board room
UID:2B19204063C93D2388256E5C006BF8D9-Lotus_Notes_Generated
END:VEVENT
BEGIN:VTODO
SUMMARY:Send the catalogue to Hana
PRIORITY:1
DUE;VALUE=DATE:20080314
UID:3C19204063C93D2388256E5C006BF8D9-Lotus_Notes_Generated
END:VTODO
BEGIN:VTODO
SUMMARY:Renew the stand booking
PRIORITY:5
COMPLETED:20080301T120000Z
UID:4D19204063C93D2388256E5C006BF8D9-Lotus_Notes_Generated
END:VTODO
END:VCALENDAR
ICS
printf 'Form: Document\nSubject: Trade fair notes\nBody: Stand 12 was busy all day.\n Bring more catalogues next time.\nCategories: Fairs\nDiaryDate: 03/10/2008\n\fForm: Document\nSubject: Supplier list\nBody: Brix & Sons, Acme, Sato Trading.\nDiaryDate: 03/12/2008 09:30:00 AM\n' > "$notes/notebook.txt"
cat > "$data/registry.reg" <<REG
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\U.S. Robotics\Pilot Desktop\Core]
"DesktopPath"="$home/Palm/"
REG

cat > "$data/VLACT.ini" <<INI
[VLACT]
SourceApp=$source_app
ACTPadName=$data/Demo.pad
ACTAppName=$bin/velmora-actview
ACTUserName=demo
ACTSaveUser=1
ACTSavePassword=1
ACTPassword=ZGVtbw==
GGSaveEmail=1
GGEmail=demo@example.org
GGSavePassword=1
GGPassword=ZGVtbw==
OLDataFile=$home/Outlook Files/Demo.pst
LNAppName=$notes/notes.exe
LNAddrName=$notes/names.nsf
LNDateName=$notes/mail.nsf
LNNoteName=$notes/notebook.nsf
INI
chmod 600 "$data/VLACT.ini"
echo "Demo data made in $home"
