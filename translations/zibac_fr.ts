<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlarmListModel</name>
    <message>
        <source>PT</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Date - Time</source>
        <translation>Date - Heure</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>AlarmListPanel</name>
    <message>
        <source>Alarm events</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Disabled all alarm events</source>
        <translation>Toutes les alarmes désactivées</translation>
    </message>
</context>
<context>
    <name>ChimeBox</name>
    <message>
        <source>Quarter</source>
        <translation>Quart d&apos;heure</translation>
    </message>
    <message>
        <source>Half Hour</source>
        <translation>Demi-heure</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Heure pile</translation>
    </message>
    <message>
        <source>Chime time</source>
        <translation>Moment du carillon</translation>
    </message>
</context>
<context>
    <name>ClockTexts</name>
    <message>
        <source>Jan</source>
        <translation>janv</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>: an alarm clock and reminder.</source>
        <translation> : un réveil et pense-bête.</translation>
    </message>
    <message>
        <source>Displays this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Displays the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Utilisation : </translation>
    </message>
    <message>
        <source> [options]</source>
        <translation> [options]</translation>
    </message>
</context>
<context>
    <name>EditorGroup</name>
    <message>
        <source>New Alarm :</source>
        <translation>Nouvelle alarme :</translation>
    </message>
    <message>
        <source>Editing :</source>
        <translation>Modification :</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Times of playing sound</source>
        <translation>Nombre de lectures du son</translation>
    </message>
    <message>
        <source>Run this application and its parameters</source>
        <translation>Lancer ce programme avec ses paramètres</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Effective date</source>
        <translation>Date d&apos;effet</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add with message</source>
        <translation>Ajouter avec un message</translation>
    </message>
    <message>
        <source>This version does not support setting of &quot;Monthly&quot; or &quot;None Every&quot; currently, please select other items.</source>
        <translation>Cette version ne prend pas encore en charge « Monthly » ni « None Every », veuillez choisir un autre élément.</translation>
    </message>
</context>
<context>
    <name>EditorRules</name>
    <message>
        <source>Day was passed.</source>
        <translation>Ce jour est déjà passé.</translation>
    </message>
    <message>
        <source>Alarm Time was passed.</source>
        <translation>L&apos;heure de l&apos;alarme est déjà passée.</translation>
    </message>
    <message>
        <source>Selected no song! Please select a song to play sound.</source>
        <translation>Aucun morceau choisi ! Veuillez choisir un morceau à jouer.</translation>
    </message>
</context>
<context>
    <name>EventsFile</name>
    <message>
        <source>open</source>
        <extracomment>What was being done to a file, the %1 of &quot;Error occurred when trying to %1 %2&quot;.</extracomment>
        <translation>ouvrir</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lire</translation>
    </message>
    <message>
        <source>write</source>
        <translation>écrire</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Data </source>
        <extracomment>Starts a line of the load report: &quot;Data 3, Time&quot;, the number of the bad line and the field.</extracomment>
        <translation>Entrée </translation>
    </message>
    <message>
        <source>Error occurred when trying to %1 %2</source>
        <extracomment>%1: open, read or write; %2: the file.</extracomment>
        <translation>Une erreur est survenue en essayant de faire : %1 %2</translation>
    </message>
    <message>
        <source>Error # </source>
        <translation>Erreur n° </translation>
    </message>
    <message>
        <source>Source file not found when trying to copy </source>
        <translation>Fichier source introuvable lors de la copie de </translation>
    </message>
    <message>
        <source>File is larger than 64 MB</source>
        <translation>Le fichier dépasse 64 Mo</translation>
    </message>
    <message>
        <source>It is the file being copied</source>
        <translation>C&apos;est le fichier en cours de copie</translation>
    </message>
    <message>
        <source>Message from </source>
        <translation>Message de </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Error found when loading alarm events to list!<byte value="xd"/>
<byte value="xd"/>
Before proceeding, please check those incorrect data in file and all alarm events which were not loaded in list. A backup file [</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Des erreurs ont été trouvées en chargeant les alarmes dans la liste !<byte value="xd"/>
<byte value="xd"/>
Avant de continuer, vérifiez les données incorrectes du fichier et toutes les alarmes qui n&apos;ont pas été chargées dans la liste. Un fichier de sauvegarde [</translation>
    </message>
    <message>
        <source>] was created.</source>
        <translation>] a été créé.</translation>
    </message>
    <message>
        <source>Change the name of backup file to keep important data if need.</source>
        <translation> Renommez le fichier de sauvegarde si nécessaire pour garder les données importantes.</translation>
    </message>
    <message>
        <source>Below is the information :</source>
        <translation>Voici les détails :</translation>
    </message>
    <message>
        <source> is corrupted. Fail to load alarm events.</source>
        <translation> est endommagé. Impossible de charger les alarmes.</translation>
    </message>
</context>
<context>
    <name>EventsFileName</name>
    <message>
        <source>Filename may not include below characters.<byte value="xd"/>
</source>
        <translation>Le nom de fichier ne doit contenir aucun de ces caractères :<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>Firing</name>
    <message>
        <source> at </source>
        <extracomment>Between an alarm&apos;s message and its time of day.</extracomment>
        <translation> à </translation>
    </message>
</context>
<context>
    <name>MissedAlarms</name>
    <message>
        <source>Missed while the program was not watching:</source>
        <translation>Manqué pendant que le programme ne veillait pas :</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n de plus</numerusform>
            <numerusform>et %n de plus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProcessCommandRunner</name>
    <message>
        <source>No program given</source>
        <translation>Aucun programme indiqué</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Cannot copy %1 to %2: %3</source>
        <translation>Impossible de copier %1 vers %2 : %3</translation>
    </message>
    <message>
        <source>%1 now keeps your alarm list and songs in the folder %2, because it may not change the alarm list in its own folder %3.</source>
        <translation>%1 garde désormais votre liste d&apos;alarmes et vos morceaux dans le dossier %2, car il ne peut pas modifier la liste d&apos;alarmes de son propre dossier %3.</translation>
    </message>
    <message>
        <source>%1 now keeps your alarm list and songs in the folder %2, because its own folder %3 holds none of its songs.</source>
        <translation>%1 garde désormais votre liste d&apos;alarmes et vos morceaux dans le dossier %2, car son propre dossier %3 ne contient aucun de ses morceaux.</translation>
    </message>
    <message>
        <source>%1 now keeps your alarm list and songs in the folder %2, because it may not add files to its own folder %3.</source>
        <translation>%1 garde désormais votre liste d&apos;alarmes et vos morceaux dans le dossier %2, car il ne peut pas ajouter de fichiers à son propre dossier %3.</translation>
    </message>
    <message>
        <source>Your alarm list %1 was copied there. The list in %2 stays as it was and is no longer changed.</source>
        <translation>Votre liste d&apos;alarmes %1 y a été copiée. La liste de %2 reste telle quelle et n&apos;est plus modifiée.</translation>
    </message>
    <message>
        <source>%1 keeps your alarm list and songs in the folder %2, but cannot create it or write in it%3. Make the folder writable and start the program again.</source>
        <translation>%1 garde votre liste d&apos;alarmes et vos morceaux dans le dossier %2, mais ne peut ni le créer ni y écrire%3. Rendez le dossier accessible en écriture et relancez le programme.</translation>
    </message>
</context>
<context>
    <name>SettingsService</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer le réglage « %1 »</translation>
    </message>
</context>
<context>
    <name>SongBox</name>
    <message>
        <source> So&amp;ng </source>
        <translation> Mor&amp;ceau </translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fichier WAV</translation>
    </message>
    <message>
        <source>Int Speaker</source>
        <translation>Haut-parleur int.</translation>
    </message>
    <message>
        <source>Song</source>
        <translation>Morceau</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Carillon</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>The sound output &quot;%1&quot; is muted: this alarm cannot be heard.</source>
        <translation>La sortie son « %1 » est coupée : cette alarme ne peut pas être entendue.</translation>
    </message>
    <message>
        <source>The sound output &quot;%1&quot; is at %2 % volume: this alarm can hardly be heard.</source>
        <translation>La sortie son « %1 » est à %2 % du volume : cette alarme s&apos;entend à peine.</translation>
    </message>
</context>
<context>
    <name>SoundText</name>
    <message>
        <source>There has not chosen song. Play no sound.</source>
        <translation>Aucun morceau n&apos;a été choisi. Aucun son ne sera joué.</translation>
    </message>
    <message>
        <source> not found. Play no sound.</source>
        <extracomment>After the file name of the song.</extracomment>
        <translation> introuvable. Aucun son ne sera joué.</translation>
    </message>
    <message>
        <source>Fail to play sound. MCI is busy.</source>
        <translation>Impossible de jouer le son. MCI est occupé.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
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
        <translation>Afficher les jours</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <source>Alarm Set</source>
        <translation>Régler les alarmes</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>TInputMsg</name>
    <message>
        <source>Input Message</source>
        <translation>Saisir un message</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Exclamation</source>
        <translation>Point d&apos;exclamation</translation>
    </message>
    <message>
        <source>Font Size :</source>
        <translation>Taille de police :</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TMsgOut</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Remind me</source>
        <translation>Rappel dans</translation>
    </message>
    <message>
        <source>Min(s)</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Play times</source>
        <translation>Nombre de lectures</translation>
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
        <translation>Impossible de mettre à jour le registre. Sous Windows NT, seuls les administrateurs et les utilisateurs avec pouvoir peuvent exécuter cette commande. Demandez conseil à votre administrateur système.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Show error message if sound cannot be played</source>
        <translation>Afficher une erreur si le son ne peut être joué</translation>
    </message>
    <message>
        <source>When MCI is busy, use internal speaker</source>
        <translation>Si MCI est occupé, utiliser le haut-parleur interne</translation>
    </message>
    <message>
        <source>Remove it after executed</source>
        <translation>Supprimer après le déclenchement</translation>
    </message>
    <message>
        <source>Chime checks exact minute instead of elapsed time</source>
        <translation>Le carillon vérifie la minute exacte et non le temps écoulé</translation>
    </message>
    <message>
        <source>Current system date format :</source>
        <translation>Format de date du système :</translation>
    </message>
    <message>
        <source>Current system date separator :</source>
        <translation>Séparateur de date du système :</translation>
    </message>
    <message>
        <source>Use this date format :</source>
        <translation>Utiliser ce format :</translation>
    </message>
    <message>
        <source>Use this separator :</source>
        <translation>Utiliser ce séparateur :</translation>
    </message>
    <message>
        <source>Load when Windows starts ( in tray )</source>
        <translation>Lancer au démarrage de Windows ( dans la barre )</translation>
    </message>
    <message>
        <source>Show icon in tray</source>
        <translation>Afficher l&apos;icône dans la barre</translation>
    </message>
    <message>
        <source> Main List </source>
        <translation> Liste principale </translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>TSmallClock</name>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Clock face</source>
        <translation>Cadran</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Clock menu</source>
        <translation>Menu de l&apos;horloge</translation>
    </message>
    <message>
        <source>Hide clock</source>
        <translation>Masquer l&apos;horloge</translation>
    </message>
    <message>
        <source>24 hour</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>Enabled Second</source>
        <translation>Afficher les secondes</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Show Date</source>
        <translation>Afficher la date</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Afficher au démarrage</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TWarning</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
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
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Sh&amp;ow</source>
        <translation>A&amp;fficher</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Alarm Clock Help</source>
        <translation>Aide du réveil</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help file not found. Visit Zib&apos;s home page to download one.</source>
        <translation>Fichier d&apos;aide introuvable. Vous pouvez le télécharger depuis la page d&apos;accueil de Zib.</translation>
    </message>
    <message>
        <source>This file extension(.htm or .html) is not associated with any application! Failing to open file.</source>
        <translation>Aucune application n&apos;est associée à cette extension (.htm ou .html) ! Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Data has been saved.</source>
        <translation>Les données ont été enregistrées.</translation>
    </message>
    <message>
        <source>Received empty string or Cancel command. This will end the program</source>
        <translation>Saisie vide ou annulation reçue. Le programme va se terminer</translation>
    </message>
    <message>
        <source>For the first initial setting, </source>
        <extracomment>The program&apos;s title comes between the two parts of the first start&apos;s prompt.</extracomment>
        <translation>Pour la première configuration, </translation>
    </message>
    <message>
        <source> will create a new file to store alarm events.<byte value="xd"/>
<byte value="xd"/>
Please input a new filename :</source>
        <translation> va créer un nouveau fichier pour garder les alarmes.<byte value="xd"/>
<byte value="xd"/>
Veuillez saisir un nouveau nom de fichier :</translation>
    </message>
    <message>
        <source>File already exists. Please input a new filename</source>
        <translation>Ce fichier existe déjà. Veuillez saisir un nouveau nom de fichier</translation>
    </message>
    <message>
        <source>No notification area was found: the program runs without its tray icon.</source>
        <translation>Aucune zone de notification n&apos;a été trouvée : le programme fonctionne sans son icône.</translation>
    </message>
    <message>
        <source>Failing to run application. Please check the path and filename are correct.</source>
        <translation>Impossible de lancer l&apos;application. Vérifiez que le chemin et le nom du fichier sont corrects.</translation>
    </message>
</context>
<context>
    <name>TimeGrid</name>
    <message>
        <source>Invalid input : hour</source>
        <translation>Saisie non valide : heure</translation>
    </message>
    <message>
        <source>Invalid input : minute</source>
        <translation>Saisie non valide : minute</translation>
    </message>
    <message>
        <source>Invalid input : second</source>
        <translation>Saisie non valide : seconde</translation>
    </message>
    <message>
        <source>Invalid input : not AM or PM found [unexpected error]!</source>
        <translation>Saisie non valide : ni AM ni PM trouvé [erreur inattendue] !</translation>
    </message>
</context>
<context>
    <name>TimeGridWidget</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Up-down</source>
        <translation>Haut-bas</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
</context>
<context>
    <name>ZibApplication</name>
    <message>
        <source> is already running.</source>
        <extracomment>After the program&apos;s name.</extracomment>
        <translation> est déjà lancé.</translation>
    </message>
</context>
</TS>
