<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>PT</source>
        <translation>Wdh.</translation>
    </message>
    <message>
        <source>Date - Time</source>
        <translation>Datum - Uhrzeit</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
</context>
<context>
    <name>AlarmListPanel</name>
    <message>
        <source>Alarm events</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Disabled all alarm events</source>
        <translation>Alle Alarme ausgeschaltet</translation>
    </message>
</context>
<context>
    <name>ChimeBox</name>
    <message>
        <source>Quarter</source>
        <translation>Viertelstunde</translation>
    </message>
    <message>
        <source>Half Hour</source>
        <translation>Halbe Stunde</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Volle Stunde</translation>
    </message>
    <message>
        <source>Chime time</source>
        <translation>Gongzeit</translation>
    </message>
</context>
<context>
    <name>ClockTexts</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>: an alarm clock and reminder.</source>
        <translation>: ein Wecker mit Erinnerungen.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet sich.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Zeigt die Version an und beendet sich.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Aufruf: </translation>
    </message>
    <message>
        <source> [options]</source>
        <translation> [Optionen]</translation>
    </message>
</context>
<context>
    <name>EditorGroup</name>
    <message>
        <source>New Alarm :</source>
        <translation>Neuer Alarm:</translation>
    </message>
    <message>
        <source>Editing :</source>
        <translation>Bearbeiten:</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Times of playing sound</source>
        <translation>Wie oft der Klang spielt</translation>
    </message>
    <message>
        <source>Run this application and its parameters</source>
        <translation>Dieses Programm mit seinen Parametern starten</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Effective date</source>
        <translation>Gültig ab</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add with message</source>
        <translation>Mit Nachricht hinzufügen</translation>
    </message>
    <message>
        <source>This version does not support setting of &quot;Monthly&quot; or &quot;None Every&quot; currently, please select other items.</source>
        <translation>Diese Version unterstützt „Monthly“ und „None Every“ derzeit nicht, bitte wählen Sie einen anderen Eintrag.</translation>
    </message>
</context>
<context>
    <name>EditorRules</name>
    <message>
        <source>Day was passed.</source>
        <translation>Der Tag ist schon vorbei.</translation>
    </message>
    <message>
        <source>Alarm Time was passed.</source>
        <translation>Die Alarmzeit ist schon vorbei.</translation>
    </message>
    <message>
        <source>Selected no song! Please select a song to play sound.</source>
        <translation>Kein Lied gewählt! Bitte wählen Sie ein Lied, das gespielt werden soll.</translation>
    </message>
</context>
<context>
    <name>EventsFile</name>
    <message>
        <source>open</source>
        <extracomment>What was being done to a file, the %1 of &quot;Error occurred when trying to %1 %2&quot;.</extracomment>
        <translation>öffnen</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>schreiben</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>Starts a line of the load report: &quot;Data 3, Time&quot;, the number of the bad line and the field.</extracomment>
        <translation>Eintrag </translation>
    </message>
    <message>
        <source>Error occurred when trying to %1 %2</source>
        <extracomment>%1: open, read or write; %2: the file.</extracomment>
        <translation>Fehler beim Versuch, %2 zu %1</translation>
    </message>
    <message>
        <source>Error # </source>
        <translation>Fehler Nr. </translation>
    </message>
    <message>
        <source>Source file not found when trying to copy </source>
        <translation>Quelldatei beim Kopieren nicht gefunden: </translation>
    </message>
    <message>
        <source>File is larger than 64 MB</source>
        <translation>Die Datei ist größer als 64 MB</translation>
    </message>
    <message>
        <source>It is the file being copied</source>
        <translation>Das ist die Datei, die kopiert wird</translation>
    </message>
    <message>
        <source>Message from </source>
        <translation>Nachricht von </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Error found when loading alarm events to list!<byte value="xd"/>
<byte value="xd"/>
Before proceeding, please check those incorrect data in file and all alarm events which were not loaded in list. A backup file [</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Beim Laden der Alarme in die Liste wurden Fehler gefunden!<byte value="xd"/>
<byte value="xd"/>
Bitte prüfen Sie, bevor Sie weitermachen, die fehlerhaften Daten in der Datei und alle Alarme, die nicht in die Liste geladen wurden. Eine Sicherungsdatei [</translation>
    </message>
    <message>
        <source>] was created.</source>
        <translation>] wurde angelegt.</translation>
    </message>
    <message>
        <source>Change the name of backup file to keep important data if need.</source>
        <translation> Benennen Sie die Sicherungsdatei bei Bedarf um, damit wichtige Daten erhalten bleiben.</translation>
    </message>
    <message>
        <source>Below is the information :</source>
        <translation>Die Einzelheiten:</translation>
    </message>
    <message>
        <source> is corrupted. Fail to load alarm events.</source>
        <translation> ist beschädigt. Die Alarme konnten nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>EventsFileName</name>
    <message>
        <source>Filename may not include below characters.<byte value="xd"/>
</source>
        <translation>Der Dateiname darf keines dieser Zeichen enthalten:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>Firing</name>
    <message>
        <source> at </source>
        <extracomment>Between an alarm&apos;s message and its time of day.</extracomment>
        <translation> um </translation>
    </message>
</context>
<context>
    <name>MissedAlarms</name>
    <message>
        <source>Missed while the program was not watching:</source>
        <translation>Verpasst, während das Programm nicht gewacht hat:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProcessCommandRunner</name>
    <message>
        <source>No program given</source>
        <translation>Kein Programm angegeben</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>%1 kann nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>%1 now keeps your alarm list and songs in the folder %2, because it may not change the alarm list in its own folder %3.</source>
        <translation>%1 bewahrt Ihre Alarmliste und Lieder jetzt im Ordner %2 auf, weil es die Alarmliste in seinem eigenen Ordner %3 nicht ändern darf.</translation>
    </message>
    <message>
        <source>%1 now keeps your alarm list and songs in the folder %2, because its own folder %3 holds none of its songs.</source>
        <translation>%1 bewahrt Ihre Alarmliste und Lieder jetzt im Ordner %2 auf, weil sein eigener Ordner %3 keines seiner Lieder enthält.</translation>
    </message>
    <message>
        <source>%1 now keeps your alarm list and songs in the folder %2, because it may not add files to its own folder %3.</source>
        <translation>%1 bewahrt Ihre Alarmliste und Lieder jetzt im Ordner %2 auf, weil es seinem eigenen Ordner %3 keine Dateien hinzufügen darf.</translation>
    </message>
    <message>
        <source>Your alarm list %1 was copied there. The list in %2 stays as it was and is no longer changed.</source>
        <translation>Ihre Alarmliste %1 wurde dorthin kopiert. Die Liste in %2 bleibt, wie sie war, und wird nicht mehr verändert.</translation>
    </message>
    <message>
        <source>%1 keeps your alarm list and songs in the folder %2, but cannot create it or write in it%3. Make the folder writable and start the program again.</source>
        <translation>%1 bewahrt Ihre Alarmliste und Lieder im Ordner %2 auf, kann ihn aber nicht anlegen oder nicht hineinschreiben%3. Machen Sie den Ordner beschreibbar und starten Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>SettingsService</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Die Einstellung „%1“ konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SongBox</name>
    <message>
        <source> So&amp;ng </source>
        <translation> &amp;Lied </translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>WAV-Datei</translation>
    </message>
    <message>
        <source>Int Speaker</source>
        <translation>Int. Lautsprecher</translation>
    </message>
    <message>
        <source>Song</source>
        <translation>Lied</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Gong</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>The sound output &quot;%1&quot; is muted: this alarm cannot be heard.</source>
        <translation>Die Tonausgabe „%1“ ist stummgeschaltet: Dieser Alarm ist nicht zu hören.</translation>
    </message>
    <message>
        <source>The sound output &quot;%1&quot; is at %2 % volume: this alarm can hardly be heard.</source>
        <translation>Die Tonausgabe „%1“ steht auf %2 % Lautstärke: Dieser Alarm ist kaum zu hören.</translation>
    </message>
</context>
<context>
    <name>SoundText</name>
    <message>
        <source>There has not chosen song. Play no sound.</source>
        <translation>Es ist kein Lied gewählt. Es wird kein Klang gespielt.</translation>
    </message>
    <message>
        <source> not found. Play no sound.</source>
        <extracomment>After the file name of the song.</extracomment>
        <translation> nicht gefunden. Es wird kein Klang gespielt.</translation>
    </message>
    <message>
        <source>Fail to play sound. MCI is busy.</source>
        <translation>Der Klang kann nicht gespielt werden. MCI ist belegt.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TDaysValue</name>
    <message>
        <source>Show Days</source>
        <translation>Tage anzeigen</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>Alarme einstellen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Ausgeschaltet</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>TInputMsg</name>
    <message>
        <source>Input Message</source>
        <translation>Nachricht eingeben</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <translation>Ausrufezeichen</translation>
    </message>
    <message>
        <source>Font Size :</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TMsgOut</name>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Erinnern in</translation>
    </message>
    <message>
        <source>Min(s)</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Play times</source>
        <translation>Wiedergaben</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TSetUp</name>
    <message>
        <source>Fail to update registry. If under Windows NT, only Administrator or Super Users have authorities to execute this command. Contact System Administrator to have furthur advice.</source>
        <translation>Die Registrierung konnte nicht aktualisiert werden. Unter Windows NT dürfen nur Administratoren und Hauptbenutzer diesen Befehl ausführen. Wenden Sie sich für weiteren Rat an Ihren Systemverwalter.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Klang an</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>Fehlermeldung zeigen, wenn kein Klang spielen kann</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker</source>
        <translation>Wenn MCI belegt ist, internen Lautsprecher nutzen</translation>
    </message>
    <message>
        <source>Remove it after executed</source>
        <translation>Nach dem Auslösen entfernen</translation>
    </message>
    <message>
        <source>Chime checks exact minute instead of elapsed time</source>
        <translation>Gong prüft die genaue Minute statt der verstrichenen Zeit</translation>
    </message>
    <message>
        <source>Current system date format :</source>
        <translation>Datumsformat des Systems:</translation>
    </message>
    <message>
        <source>Current system date separator :</source>
        <translation>Datumstrennzeichen des Systems:</translation>
    </message>
    <message>
        <source>Use this date format :</source>
        <translation>Dieses Datumsformat:</translation>
    </message>
    <message>
        <source>Use this separator :</source>
        <translation>Dieses Trennzeichen:</translation>
    </message>
    <message>
        <source>Load when Windows starts ( in tray )</source>
        <translation>Beim Start von Windows laden ( im Infobereich )</translation>
    </message>
    <message>
        <source>Show icon in tray</source>
        <translation>Symbol im Infobereich zeigen</translation>
    </message>
    <message>
        <source> Main List </source>
        <translation> Hauptliste </translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>TSmallClock</name>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Clock face</source>
        <translation>Zifferblatt</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Clock menu</source>
        <translation>Uhrmenü</translation>
    </message>
    <message>
        <source>Hide clock</source>
        <translation>Uhr verbergen</translation>
    </message>
    <message>
        <source>24 hour</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Enabled Second</source>
        <translation>Sekunden zeigen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Show Date</source>
        <translation>Datum zeigen</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Beim Start zeigen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TWarning</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Sh&amp;ow</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Alarm Clock Help</source>
        <translation>Hilfe zum Wecker</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help file not found. Visit Zib&apos;s home page to download one.</source>
        <translation>Die Hilfedatei wurde nicht gefunden. Sie können sie von Zibs Homepage herunterladen.</translation>
    </message>
    <message>
        <source>This file extension(.htm or .html) is not associated with any application! Failing to open file.</source>
        <translation>Dieser Dateiendung (.htm oder .html) ist kein Programm zugeordnet! Die Datei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Data has been saved.</source>
        <translation>Die Daten wurden gespeichert.</translation>
    </message>
    <message>
        <source>Received empty string or Cancel command. This will end the program</source>
        <translation>Leere Eingabe oder Abbrechen erhalten. Das Programm wird beendet</translation>
    </message>
    <message>
        <source>For the first initial setting, </source>
        <extracomment>The program&apos;s title comes between the two parts of the first start&apos;s prompt.</extracomment>
        <translation>Für die erste Einrichtung legt </translation>
    </message>
    <message>
        <source> will create a new file to store alarm events.<byte value="xd"/>
<byte value="xd"/>
Please input a new filename :</source>
        <translation> eine neue Datei für die Alarme an.<byte value="xd"/>
<byte value="xd"/>
Bitte geben Sie einen neuen Dateinamen ein:</translation>
    </message>
    <message>
        <source>File already exists. Please input a new filename</source>
        <translation>Diese Datei gibt es schon. Bitte geben Sie einen neuen Dateinamen ein</translation>
    </message>
    <message>
        <source>No notification area was found: the program runs without its tray icon.</source>
        <translation>Es wurde kein Infobereich gefunden: Das Programm läuft ohne sein Symbol dort.</translation>
    </message>
    <message>
        <source>Failing to run application. Please check the path and filename are correct.</source>
        <translation>Das Programm kann nicht gestartet werden. Bitte prüfen Sie, ob Pfad und Dateiname stimmen.</translation>
    </message>
</context>
<context>
    <name>TimeGrid</name>
    <message>
        <source>Invalid input : hour</source>
        <translation>Ungültige Eingabe: Stunde</translation>
    </message>
    <message>
        <source>Invalid input : minute</source>
        <translation>Ungültige Eingabe: Minute</translation>
    </message>
    <message>
        <source>Invalid input : second</source>
        <translation>Ungültige Eingabe: Sekunde</translation>
    </message>
    <message>
        <source>Invalid input : not AM or PM found [unexpected error]!</source>
        <translation>Ungültige Eingabe: weder AM noch PM gefunden [unerwarteter Fehler]!</translation>
    </message>
</context>
<context>
    <name>TimeGridWidget</name>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Up-down</source>
        <translation>Auf-ab</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
</context>
<context>
    <name>ZibApplication</name>
    <message>
        <source> is already running.</source>
        <extracomment>After the program&apos;s name.</extracomment>
        <translation> läuft bereits.</translation>
    </message>
</context>
</TS>
