<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Chance</source>
        <translation>Hasard</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
</context>
<context>
    <name>ds</name>
    <message>
        <source>%1 1 of them is left out: its numbers are no draw of the game.</source>
        <translation>%1 L&apos;un d&apos;eux est écarté : ses numéros ne forment aucun tirage du jeu.</translation>
    </message>
    <message>
        <source>%1 %2 of them are left out: their numbers are no draw of the game.</source>
        <translation>%1 %2 d&apos;entre eux sont écartés : leurs numéros ne forment aucun tirage du jeu.</translation>
    </message>
    <message>
        <source>The lotto &apos;%1&apos; cannot be used: %2</source>
        <translation>Le lotto « %1 » ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>The draws of &apos;%1&apos; must be corrected first: %2</source>
        <translation>Les tirages de « %1 » doivent d&apos;abord être corrigés : %2</translation>
    </message>
    <message>
        <source>The lotto has no draws.</source>
        <translation>Le lotto n&apos;a aucun tirage.</translation>
    </message>
    <message>
        <source>1 draw falls in the period.</source>
        <translation>1 tirage tombe dans la période.</translation>
    </message>
    <message>
        <source>%1 draws fall in the period.</source>
        <translation>%1 tirages tombent dans la période.</translation>
    </message>
    <message>
        <source>No draw falls in the period from %1 to %2. The draw history runs from %3 to %4.</source>
        <translation>Aucun tirage ne tombe dans la période du %1 au %2. L&apos;historique des tirages va du %3 au %4.</translation>
    </message>
    <message>
        <source>The lotto &apos;%1&apos; was not saved.</source>
        <translation>Le lotto « %1 » n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>The lotto &apos;%1&apos; was saved.</source>
        <translation>Le lotto « %1 » a été enregistré.</translation>
    </message>
    <message>
        <source>The draw typed in the boxes (%1) is not added. Add it before going on?</source>
        <translation>Le tirage saisi dans les cases (%1) n&apos;est pas ajouté. L&apos;ajouter avant de continuer ?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>The definition being edited is not saved. Save it before going on?</source>
        <translation>La définition en cours de modification n&apos;est pas enregistrée. L&apos;enregistrer avant de continuer ?</translation>
    </message>
    <message>
        <source>The definition of &apos;%1&apos; is not saved. Save it before going on?</source>
        <translation>La définition de « %1 » n&apos;est pas enregistrée. L&apos;enregistrer avant de continuer ?</translation>
    </message>
    <message>
        <source>The draws added are not saved. Save them before going on?</source>
        <translation>Les tirages ajoutés ne sont pas enregistrés. Les enregistrer avant de continuer?</translation>
    </message>
    <message>
        <source>The draws added to &apos;%1&apos; are not saved. Save them before going on?</source>
        <translation>Les tirages ajoutés à « %1 » ne sont pas enregistrés. Les enregistrer avant de continuer ?</translation>
    </message>
    <message>
        <source>the draws of &apos;%1&apos;</source>
        <translation>des tirages de « %1 »</translation>
    </message>
    <message>
        <source>the definition of &apos;%1&apos;</source>
        <translation>de la définition de « %1 »</translation>
    </message>
    <message>
        <source>The file of the definition of &apos;%1&apos; was changed outside this window. Your boxes are kept: Save asks before writing over it.</source>
        <translation>Le fichier de la définition de « %1 » a été modifié hors de cette fenêtre. Vos cases sont gardées : Enregistrer demande avant de l&apos;écraser.</translation>
    </message>
    <message>
        <source>%1: %2 draws</source>
        <translation>%1 : %2 tirages</translation>
    </message>
    <message>
        <source>&apos;draws.txt&apos; of &apos;%1&apos;</source>
        <translation>« draws.txt » de « %1 »</translation>
    </message>
    <message>
        <source>draws</source>
        <translation>tirages</translation>
    </message>
    <message>
        <source>%1 draws saved for &apos;%2&apos;. &apos;draws.txt&apos; had been changed outside this window: its changes are kept with yours (draws taken from the file: %3).</source>
        <translation>%1 tirages enregistrés pour « %2 ». « draws.txt » avait été modifié hors de cette fenêtre : ses changements sont gardés avec les vôtres (tirages pris du fichier : %3).</translation>
    </message>
    <message>
        <source>%1 draws saved for &apos;%2&apos;.</source>
        <translation>%1 tirages enregistrés pour « %2 ».</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read.</source>
        <translation>Le fichier « %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file &apos;draws.txt&apos; of &apos;%1&apos; was changed outside this window while the import was being reviewed. Nothing was imported. Save your draws first (Save merges them with the file), then import again.</source>
        <translation>Le fichier « draws.txt » de « %1 » a été modifié hors de cette fenêtre pendant l&apos;examen de l&apos;importation. Rien n&apos;a été importé. Enregistrez d&apos;abord vos tirages (l&apos;enregistrement les fusionne avec le fichier), puis importez de nouveau.</translation>
    </message>
    <message>
        <source>%1 draws added to &apos;%2&apos;; %3 draws in all.</source>
        <translation>%1 tirages ajoutés à « %2 »; %3 tirages en tout.</translation>
    </message>
    <message>
        <source>Please type the data in the field.</source>
        <translation>Veuillez taper la donnée dans le champ.</translation>
    </message>
    <message>
        <source>Sorry, the data is not correct.</source>
        <translation>Désolé, la donnée n&apos;est pas correcte.</translation>
    </message>
    <message>
        <source>Please select a Lotto in the &apos;Lotto&apos; window.</source>
        <translation>Veuillez choisir un lotto dans la fenêtre « Lotto ».</translation>
    </message>
    <message>
        <source>Please select a Targeted Set in the &apos;Targeted Sets&apos; window.</source>
        <translation>Veuillez choisir un ensemble ciblé dans la fenêtre « Ensembles ciblés ».</translation>
    </message>
    <message>
        <source>Please select a system in the &apos;Systems&apos; window.</source>
        <translation>Veuillez choisir un système dans la fenêtre « Systèmes ».</translation>
    </message>
    <message>
        <source>Incorrect date.</source>
        <translation>Date incorrecte.</translation>
    </message>
    <message>
        <source> Please calculate Forecasting Abilities.</source>
        <translation> Veuillez calculer les capacités de prévision.</translation>
    </message>
    <message>
        <source>Incorrect data about Lotto.</source>
        <translation>Données incorrectes sur le lotto.</translation>
    </message>
    <message>
        <source>Incorrect size of the Targeted Set.</source>
        <translation>Taille incorrecte de l&apos;ensemble ciblé.</translation>
    </message>
    <message>
        <source>Please type a name.</source>
        <translation>Veuillez taper un nom.</translation>
    </message>
    <message>
        <source>Please select numbers in the draw</source>
        <translation>Veuillez choisir les numéros du tirage</translation>
    </message>
    <message>
        <source>Please select the size of the set.</source>
        <translation>Veuillez choisir la taille de l&apos;ensemble.</translation>
    </message>
    <message>
        <source>Please select an Index.</source>
        <translation>Veuillez choisir un indice.</translation>
    </message>
    <message>
        <source>Please select a Number.</source>
        <translation>Veuillez choisir un numéro.</translation>
    </message>
    <message>
        <source>The index exceeds the size of the set.</source>
        <translation>L&apos;indice dépasse la taille de l&apos;ensemble.</translation>
    </message>
    <message>
        <source>This number was previously selected.</source>
        <translation>Ce numéro a déjà été choisi.</translation>
    </message>
    <message>
        <source>Incorrect data in the cell </source>
        <translation>Donnée incorrecte dans la cellule </translation>
    </message>
    <message>
        <source>Name of the strategy</source>
        <translation>Nom de la stratégie</translation>
    </message>
    <message>
        <source>Please select a row in the &apos;Targeted Sets&apos; table.</source>
        <translation>Veuillez choisir une ligne du tableau « Ensembles ciblés ».</translation>
    </message>
    <message>
        <source>There is no draws data on the &apos;Lotto&apos; form.</source>
        <translation>Il n&apos;y a aucun tirage dans la fenêtre « Lotto ».</translation>
    </message>
    <message>
        <source>permission to write there was refused</source>
        <translation>l&apos;autorisation d&apos;y écrire a été refusée</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file cannot be created</source>
        <translation>le fichier ne peut pas être créé</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>le fichier n&apos;a pas pu être écrit en entier</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>le fichier n&apos;a pas pu être remplacé</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>un dossier porte ce nom</translation>
    </message>
    <message>
        <source>The table has no rows yet.</source>
        <translation>Le tableau n&apos;a encore aucune ligne.</translation>
    </message>
    <message>
        <source>%1 rows exported to %2</source>
        <translation>%1 lignes exportées vers %2</translation>
    </message>
    <message>
        <source>%1 rows copied to the clipboard</source>
        <translation>%1 lignes copiées dans le presse-papiers</translation>
    </message>
    <message>
        <source>The file %1 now lacks %2 of the %3 read from it: another program shortened or emptied it since this window read it.%4

Keep them (they are saved again with yours), or remove them as the file did? (Cancel saves nothing.)</source>
        <translation>Le fichier %1 n&apos;a plus %2 des %3 lus : un autre programme l&apos;a raccourci ou vidé depuis que cette fenêtre l&apos;a lu.%4

Les garder (ils sont enregistrés de nouveau avec les vôtres), ou les supprimer comme le fichier ? (Annuler n&apos;enregistre rien.)</translation>
    </message>
    <message>
        <source>Keep them</source>
        <translation>Les garder</translation>
    </message>
    <message>
        <source>Remove them</source>
        <translation>Les supprimer</translation>
    </message>
    <message>
        <source>The file of %1 was removed outside this window. Save writes it again.</source>
        <translation>Le fichier de %1 a été supprimé hors de cette fenêtre. Enregistrer l&apos;écrit de nouveau.</translation>
    </message>
    <message>
        <source>The file of %1 was changed outside this window. Your changes are kept: Save merges them with the file.</source>
        <translation>Le fichier %1 a été modifié hors de cette fenêtre. Vos changements sont gardés : Enregistrer les fusionne avec le fichier.</translation>
    </message>
    <message>
        <source>The file of %1 was changed outside this window (by another program or another copy of Drawsmith). Read it again?</source>
        <translation>Le fichier %1 a été modifié hors de cette fenêtre (par un autre programme ou une autre copie de Drawsmith). Le relire?</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Relire</translation>
    </message>
    <message>
        <source>Another copy of Drawsmith (or another program) kept &apos;%1&apos; locked for a save for several seconds, so nothing was saved. Please save again in a moment (%2).</source>
        <translation>Une autre copie de Drawsmith (ou un autre programme) a gardé « %1 » verrouillé pour un enregistrement pendant plusieurs secondes ; rien n&apos;a été enregistré. Veuillez enregistrer de nouveau dans un instant (%2).</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>%1 The tickets shown are still those chosen before.</source>
        <translation>%1 Les billets affichés sont encore ceux choisis avant.</translation>
    </message>
    <message>
        <source>The wheel %1 is for %2 numbers with %3 numbers per ticket; the targeted set has %4 numbers and the lotto draws %5. The tickets shown are still those chosen before.</source>
        <translation>La roue %1 est faite pour %2 numéros avec %3 numéros par billet; l&apos;ensemble ciblé a %4 numéros et le lotto en tire %5. Les billets affichés sont encore ceux choisis avant.</translation>
    </message>
    <message>
        <source>Best so far: %1</source>
        <translation>Meilleure jusqu&apos;ici : %1</translation>
    </message>
    <message>
        <source>%1 ticket</source>
        <translation>%1 billet</translation>
    </message>
    <message>
        <source>%1 tickets</source>
        <translation>%1 billets</translation>
    </message>
    <message>
        <source>No complete wheel yet</source>
        <translation>Aucune roue complète pour l&apos;instant</translation>
    </message>
    <message>
        <source>%1 case</source>
        <translation>%1 cas</translation>
    </message>
    <message>
        <source>%1 cases</source>
        <translation>%1 cas</translation>
    </message>
    <message>
        <source>%1; trying %2: %3 still uncovered</source>
        <translation>%1; essai à %2 : %3 encore non couverts</translation>
    </message>
    <message>
        <source>%1; %2 still uncovered</source>
        <translation>%1; %2 encore non couverts</translation>
    </message>
    <message>
        <source>%1; %2 elapsed.</source>
        <translation>%1; %2 écoulées.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>The search was stopped before a complete wheel was found.</source>
        <translation>La recherche a été arrêtée avant qu&apos;une roue complète soit trouvée.</translation>
    </message>
    <message>
        <source>No complete wheel was found in the time given. Give the search more seconds.</source>
        <translation>Aucune roue complète n&apos;a été trouvée dans le temps donné. Donnez plus de secondes à la recherche.</translation>
    </message>
    <message>
        <source>A wheel named %1 is already saved. Replace it?</source>
        <translation>Une roue nommée %1 est déjà enregistrée. La remplacer?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Saved as %1; the Systems window lists it under Made wheels.</source>
        <translation>Enregistrée sous %1; la fenêtre Systèmes l&apos;affiche sous Roues créées.</translation>
    </message>
    <message>
        <source>The file is not a list of tickets: %1</source>
        <translation>Le fichier n&apos;est pas une liste de billets : %1</translation>
    </message>
    <message>
        <source>The check was stopped; nothing is shown of an unfinished check.</source>
        <translation>La vérification a été arrêtée; rien n&apos;est affiché d&apos;une vérification inachevée.</translation>
    </message>
    <message>
        <source>Every case of the set checked; no guarantee asked.</source>
        <translation>Tous les cas de l&apos;ensemble vérifiés; aucune garantie demandée.</translation>
    </message>
    <message>
        <source>The guarantee %1 holds: no hole in any case; it %2.</source>
        <translation>La garantie %1 tient : aucune lacune dans aucun cas; elle %2.</translation>
    </message>
    <message>
        <source>%1 hole</source>
        <translation>%1 lacune</translation>
    </message>
    <message>
        <source>%1 holes</source>
        <translation>%1 lacunes</translation>
    </message>
    <message>
        <source>The guarantee %1 does not hold: %2 (sets of %3 where no ticket matches %4); the first %5 are listed; it %6.</source>
        <translation>La garantie %1 ne tient pas : %2 (ensembles de %3 où aucun billet n&apos;atteint %4); les %5 premières sont listées; elle %6.</translation>
    </message>
    <message>
        <source>The guarantee %1 does not hold: %2 (sets of %3 where no ticket matches %4); it %5.</source>
        <translation>La garantie %1 ne tient pas : %2 (ensembles de %3 où aucun billet n&apos;atteint %4); elle %5.</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>No data for this criteria. %1</source>
        <translation>Aucune donnée pour ces critères. %1</translation>
    </message>
    <message>
        <source>The row of %1 already holds a set (%2). Replace it with the proposal, or put the proposal in a new row?</source>
        <translation>La ligne du %1 contient déjà un ensemble (%2). La remplacer par la proposition, ou mettre la proposition dans une nouvelle ligne ?</translation>
    </message>
    <message>
        <source>New row</source>
        <translation>Nouvelle ligne</translation>
    </message>
    <message>
        <source>Nothing was written: the row of %1 keeps its set.</source>
        <translation>Rien n&apos;a été écrit : la ligne du %1 garde son ensemble.</translation>
    </message>
    <message>
        <source>Incorrect data in the cell %1</source>
        <translation>Donnée incorrecte dans la cellule %1</translation>
    </message>
    <message>
        <source>%1 row</source>
        <translation>%1 ligne</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>The changes to the set &apos;%1&apos; are not saved. Save them before going on?</source>
        <translation>Les changements de l&apos;ensemble « %1 » ne sont pas enregistrés. Les enregistrer avant de continuer?</translation>
    </message>
    <message>
        <source>Read %1 of &apos;%2&apos;.</source>
        <translation>%1 lues de « %2 ».</translation>
    </message>
    <message>
        <source>of the set &apos;%1&apos;</source>
        <translation>de l&apos;ensemble « %1 »</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>lignes</translation>
    </message>
    <message>
        <source>The set &apos;%1&apos; was not saved.</source>
        <translation>L&apos;ensemble « %1 » n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Saved %1 of &apos;%2&apos;. The file had been changed outside this window: its changes are kept with yours (rows taken from the file: %3).</source>
        <translation>%1 enregistrées de « %2 ». Le fichier avait été modifié hors de cette fenêtre : ses changements sont gardés avec les vôtres (lignes prises du fichier : %3).</translation>
    </message>
    <message>
        <source>Saved %1 of &apos;%2&apos;.</source>
        <translation>%1 enregistrées de « %2 ».</translation>
    </message>
    <message>
        <source>covers %1 % of the cases of %2 winners</source>
        <translation>couvre %1 % des cas de %2 gagnants</translation>
    </message>
    <message>
        <source>%1 if %2</source>
        <translation>%1 si %2</translation>
    </message>
    <message>
        <source>%1 when the key 1 is among the winners</source>
        <translation>%1 quand la clé 1 est parmi les gagnants</translation>
    </message>
    <message>
        <source>%1 when the keys 1 and 2 are among the winners</source>
        <translation>%1 quand les clés 1 et 2 sont parmi les gagnants</translation>
    </message>
    <message>
        <source>%1 when the %2 keys 1 to %2 are among the winners</source>
        <translation>%1 quand les %2 clés 1 à %2 sont parmi les gagnants</translation>
    </message>
    <message>
        <source>Please choose a system.</source>
        <translation>Veuillez choisir un système.</translation>
    </message>
    <message>
        <source>The period ends before it starts.</source>
        <translation>La période finit avant de commencer.</translation>
    </message>
    <message>
        <source>The draw of the period has no targeted set row of its date.</source>
        <translation>Le tirage de la période n&apos;a aucune ligne d&apos;ensemble ciblé à sa date.</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>%1 (%2 numbers)</source>
        <translation>%1 (%2 numéros)</translation>
    </message>
    <message>
        <source>Print Back-test</source>
        <translation>Imprimer le test rétrospectif</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Print System Performance</source>
        <translation>Imprimer le rendement du système</translation>
    </message>
    <message>
        <source>Nothing was written: the file holds no new draw.</source>
        <translation>Rien n&apos;a été écrit : le fichier ne contient aucun nouveau tirage.</translation>
    </message>
    <message>
        <source>Please choose a lotto in the Name list, or create one, before adding draws.</source>
        <translation>Veuillez choisir un lotto dans la liste Nom, ou en créer un, avant d&apos;ajouter des tirages.</translation>
    </message>
    <message>
        <source>Please choose in the Name list the lotto whose draws these are.</source>
        <translation>Veuillez choisir dans la liste Nom le lotto de ces tirages.</translation>
    </message>
    <message>
        <source>The draws were not saved.</source>
        <translation>Les tirages n&apos;ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>Number of winning</source>
        <translation>Numéros gagnants</translation>
    </message>
    <message>
        <source>No file was given.</source>
        <translation>Aucun fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>A ticket holds 3 to 7 numbers: type a whole number in K.</source>
        <translation>Un billet compte de 3 à 7 numéros : tapez un nombre entier dans K.</translation>
    </message>
    <message>
        <source>A ticket must hold fewer numbers than the set (K less than V).</source>
        <translation>Un billet doit compter moins de numéros que l&apos;ensemble (K plus petit que V).</translation>
    </message>
    <message>
        <source>The guarantee T cannot be more than M (T if M: 2 &lt;= T &lt;= M).</source>
        <translation>La garantie T ne peut pas dépasser M (T si M : 2 &lt;= T &lt;= M).</translation>
    </message>
    <message>
        <source>The guarantee T cannot be more than the numbers on a ticket (K).</source>
        <translation>La garantie T ne peut pas dépasser le nombre de numéros d&apos;un billet (K).</translation>
    </message>
    <message>
        <source>M cannot be more than the numbers in the set (V).</source>
        <translation>M ne peut pas dépasser le nombre de numéros de l&apos;ensemble (V).</translation>
    </message>
    <message>
        <source>Type the time to search in seconds, from 1 to 86400.</source>
        <translation>Tapez la durée de la recherche en secondes, de 1 à 86400.</translation>
    </message>
    <message>
        <source>The seed is a whole number, 0 or more.</source>
        <translation>Le germe est un nombre entier, 0 ou plus.</translation>
    </message>
    <message>
        <source>No catalogue system has this size and guarantee.</source>
        <translation>Aucun système du catalogue n&apos;a cette taille et cette garantie.</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Billet</translation>
    </message>
    <message>
        <source>A wheel&apos;s name becomes a file name: type letters, digits, blanks, &apos;-&apos; or &apos;_&apos;, without &apos;/&apos; or &apos;\&apos;.</source>
        <translation>Le nom d&apos;une roue devient un nom de fichier : tapez des lettres, des chiffres, des espaces, « - » ou « _ », sans « / » ni « \ ».</translation>
    </message>
    <message>
        <source>The set&apos;s numbers must be whole numbers from 1 to 99, each once, separated by blanks or commas.</source>
        <translation>Les numéros de l&apos;ensemble doivent être des nombres entiers de 1 à 99, chacun une fois, séparés par des espaces ou des virgules.</translation>
    </message>
    <message>
        <source>Please open a list of tickets first.</source>
        <translation>Veuillez d&apos;abord ouvrir une liste de billets.</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>The file holds no tickets.</source>
        <translation>Le fichier ne contient aucun billet.</translation>
    </message>
    <message>
        <source>No tickets were found: one ticket per line, numbers separated by commas or blanks.</source>
        <translation>Aucun billet trouvé : un billet par ligne, numéros séparés par des virgules ou des espaces.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Billets</translation>
    </message>
    <message>
        <source>Spent</source>
        <translation>Dépensé</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagné</translation>
    </message>
    <message>
        <source>Best match</source>
        <translation>Au mieux</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Lots</translation>
    </message>
    <message>
        <source>Forecasting Abilities</source>
        <translation>Capacités de prévision</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>FA</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Pool</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Tirés</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Compl.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Last drawn</source>
        <translation>Dernière sortie</translation>
    </message>
    <message>
        <source>Draws since</source>
        <translation>Tirages depuis</translation>
    </message>
    <message>
        <source>Longest gap</source>
        <translation>Plus long écart</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Premier</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Tirages</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Share of draws</source>
        <translation>Part des tirages</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Combinaisons</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Draws passing</source>
        <translation>Tirages retenus</translation>
    </message>
    <message>
        <source>95 % interval</source>
        <translation>Intervalle à 95 %</translation>
    </message>
    <message>
        <source>Combinations passing</source>
        <translation>Combinaisons retenues</translation>
    </message>
    <message>
        <source>Share of combinations</source>
        <translation>Part des combinaisons</translation>
    </message>
    <message>
        <source>Chance of the difference</source>
        <translation>Probabilité de l&apos;écart</translation>
    </message>
    <message>
        <source>Pairs</source>
        <translation>Paires</translation>
    </message>
    <message>
        <source>Spreads</source>
        <translation>Répartitions</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filtres</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principaux</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>NBonus</source>
        <translation>NCompl.</translation>
    </message>
    <message>
        <source>Second pool</source>
        <translation>Second tirage</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Passe</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>Winners</source>
        <translation>Gagnants</translation>
    </message>
    <message>
        <source>Worst match</source>
        <translation>Au pire</translation>
    </message>
    <message>
        <source>Hole</source>
        <translation>Lacune</translation>
    </message>
    <message>
        <source>Tickets per draw</source>
        <translation>Billets par tirage</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <source>The rows shown are those of the tickets played; they differ from the usual published table in %1 cell.</source>
        <translation>Les lignes affichées sont celles des billets joués; elles diffèrent du tableau publié habituel en %1 cellule.</translation>
    </message>
    <message>
        <source>The rows shown are those of the tickets played; they differ from the usual published table in %1 cells.</source>
        <translation>Les lignes affichées sont celles des billets joués; elles diffèrent du tableau publié habituel en %1 cellules.</translation>
    </message>
    <message>
        <source>A library wheel of %1 tickets on %2 numbers: whenever %3 of the winning numbers lie in the set, some ticket matches at least %4 of them.</source>
        <translation>Une roue de la bibliothèque de %1 billets sur %2 numéros : chaque fois que %3 des numéros gagnants sont dans l&apos;ensemble, un billet en atteint au moins %4.</translation>
    </message>
    <message>
        <source>A made wheel of %1 tickets on %2 numbers: whenever %3 of the winning numbers lie in the set, some ticket matches at least %4 of them.</source>
        <translation>Une roue créée de %1 billets sur %2 numéros : chaque fois que %3 des numéros gagnants sont dans l&apos;ensemble, un billet en atteint au moins %4.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 Made: %2.</source>
        <translation>%1 Créée : %2.</translation>
    </message>
    <message>
        <source>%1 ticket of %2 numbers on %3 numbers</source>
        <translation>%1 billet de %2 numéros sur %3 numéros</translation>
    </message>
    <message>
        <source>%1 tickets of %2 numbers on %3 numbers</source>
        <translation>%1 billets de %2 numéros sur %3 numéros</translation>
    </message>
    <message>
        <source>%1 for %2: it %3 (%4, checked case by case).</source>
        <translation>%1 pour %2 : elle %3 (%4, vérifié cas par cas).</translation>
    </message>
    <message>
        <source>%1, guarantee %2: checked case by case, it holds.</source>
        <translation>%1, garantie %2 : vérifiée cas par cas, elle tient.</translation>
    </message>
    <message>
        <source>Without the keys (%1 numbers, %2 a ticket, %3): %4</source>
        <translation>Sans les clés (%1 numéros, %2 par billet, %3) : %4</translation>
    </message>
    <message>
        <source>A complete wheel: %1</source>
        <translation>Une roue complète : %1</translation>
    </message>
    <message>
        <source>The catalogue system %1 plays %2 tickets: %3 saved on every draw.</source>
        <translation>Le système du catalogue %1 joue %2 billets : %3 d&apos;économisés à chaque tirage.</translation>
    </message>
    <message>
        <source>The catalogue system %1 plays %2 tickets: no fewer than this wheel.</source>
        <translation>Le système du catalogue %1 joue %2 billets : pas moins que cette roue.</translation>
    </message>
    <message>
        <source>(level)</source>
        <translation>(à égalité)</translation>
    </message>
    <message>
        <source>(%1 fewer)</source>
        <translation>(%1 de moins)</translation>
    </message>
    <message>
        <source>(%1 above it)</source>
        <translation>(%1 au-dessus)</translation>
    </message>
    <message>
        <source>(%1 more)</source>
        <translation>(%1 de plus)</translation>
    </message>
    <message>
        <source>Schönheim bound %1 %2</source>
        <translation>Borne de Schönheim %1 %2</translation>
    </message>
    <message>
        <source>No lower bound is known</source>
        <translation>Aucune borne inférieure connue</translation>
    </message>
    <message>
        <source>%1; free published %2 %3</source>
        <translation>%1; publié librement %2 %3</translation>
    </message>
    <message>
        <source>%1; best known %2 %3</source>
        <translation>%1; meilleur connu %2 %3</translation>
    </message>
    <message>
        <source>%1; no published size known</source>
        <translation>%1; aucune taille publiée connue</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Match 0</source>
        <translation>0 bons</translation>
    </message>
    <message>
        <source>Match 1</source>
        <translation>1 bons</translation>
    </message>
    <message>
        <source>Match 2</source>
        <translation>2 bons</translation>
    </message>
    <message>
        <source>Match 3</source>
        <translation>3 bons</translation>
    </message>
    <message>
        <source>Match 4</source>
        <translation>4 bons</translation>
    </message>
    <message>
        <source>Match 5</source>
        <translation>5 bons</translation>
    </message>
    <message>
        <source>Match 6</source>
        <translation>6 bons</translation>
    </message>
    <message>
        <source>Match 7</source>
        <translation>7 bons</translation>
    </message>
    <message>
        <source>Match 8</source>
        <translation>8 bons</translation>
    </message>
    <message>
        <source>Match 9</source>
        <translation>9 bons</translation>
    </message>
    <message>
        <source>Match 10</source>
        <translation>10 bons</translation>
    </message>
    <message>
        <source>Match 11</source>
        <translation>11 bons</translation>
    </message>
    <message>
        <source>Match 12</source>
        <translation>12 bons</translation>
    </message>
    <message>
        <source>Match 13</source>
        <translation>13 bons</translation>
    </message>
    <message>
        <source>Match 14</source>
        <translation>14 bons</translation>
    </message>
    <message>
        <source>Match 15</source>
        <translation>15 bons</translation>
    </message>
    <message>
        <source>Match 16</source>
        <translation>16 bons</translation>
    </message>
    <message>
        <source>Match 17</source>
        <translation>17 bons</translation>
    </message>
    <message>
        <source>Match 18</source>
        <translation>18 bons</translation>
    </message>
    <message>
        <source>Match 19</source>
        <translation>19 bons</translation>
    </message>
    <message>
        <source>Match 20</source>
        <translation>20 bons</translation>
    </message>
    <message>
        <source>Spent %1, won %2, net %3; return per unit staked %4; draws with a prize: %5 of %6 played.</source>
        <translation>Dépensé %1, gagné %2, net %3; rendement par unité misée %4; tirages avec un lot : %5 sur %6 joués.</translation>
    </message>
    <message>
        <source>%1
1 of the %2 draws of the period has no targeted set row of its date and was not played.</source>
        <translation>%1
1 des %2 tirages de la période n&apos;a aucune ligne d&apos;ensemble ciblé à sa date et n&apos;a pas été joué.</translation>
    </message>
    <message>
        <source>%1
%2 of the %3 draws of the period have no targeted set row of their date and were not played.</source>
        <translation>%1
%2 des %3 tirages de la période n&apos;ont aucune ligne d&apos;ensemble ciblé à leur date et n&apos;ont pas été joués.</translation>
    </message>
    <message>
        <source>Rows read: %1. New: %2. Already present: %3. In conflict: %4. Refused: %5.</source>
        <translation>Lignes lues : %1. Nouvelles : %2. Déjà présentes : %3. En conflit : %4. Refusées : %5.</translation>
    </message>
    <message>
        <source>%1
Line %2: %3</source>
        <translation>%1
Ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1
... and %2 more.</source>
        <translation>%1
... et %2 de plus.</translation>
    </message>
    <message>
        <source>%1
%2 new draw is not in the second source yet; Import stores it from the history.</source>
        <translation>%1
%2 nouveau tirage n&apos;est pas encore dans la seconde source; Importer le prend de l&apos;historique.</translation>
    </message>
    <message>
        <source>%1
%2 new draws are not in the second source yet; Import stores it from the history.</source>
        <translation>%1
%2 nouveaux tirages ne sont pas encore dans la seconde source; Importer les prend de l&apos;historique.</translation>
    </message>
    <message>
        <source>%1, made for %2.</source>
        <translation>%1, faite pour %2.</translation>
    </message>
    <message>
        <source>less than 1 %</source>
        <translation>moins de 1 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>These counts are what a fair draw gives %1 of the time.</source>
        <translation>Un tirage équitable donne ces fréquences %1 du temps.</translation>
    </message>
    <message>
        <source>Second pool: these counts are what a fair draw gives %1 of the time.</source>
        <translation>Second tirage : un tirage équitable donne ces fréquences %1 du temps.</translation>
    </message>
    <message>
        <source>Main numbers: these counts are what a fair draw gives %1 of the time.</source>
        <translation>Numéros principaux : un tirage équitable donne ces fréquences %1 du temps.</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>Please choose in the Name list the lotto that gets the draws.</source>
        <translation>Veuillez choisir dans la liste Nom le lotto qui reçoit les tirages.</translation>
    </message>
    <message>
        <source>The currency must be at most two characters.</source>
        <translation>La devise compte au plus deux caractères.</translation>
    </message>
    <message>
        <source>T must be at least 1 and at most M and the ticket size.</source>
        <translation>T doit valoir au moins 1 et au plus M et la taille du billet.</translation>
    </message>
    <message>
        <source>The time limit must be above 0 seconds.</source>
        <translation>La durée doit dépasser 0 seconde.</translation>
    </message>
</context>
<context>
    <name>ds::ui</name>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Running net</source>
        <translation>Solde cumulé</translation>
    </message>
    <message>
        <source>Running net (won minus spent)</source>
        <translation>Solde cumulé (gains moins mises)</translation>
    </message>
</context>
<context>
    <name>ds::ui::AccessibleNames</name>
    <message>
        <source>Number 1</source>
        <translation>Numéro 1</translation>
    </message>
    <message>
        <source>Number 2</source>
        <translation>Numéro 2</translation>
    </message>
    <message>
        <source>Number 3</source>
        <translation>Numéro 3</translation>
    </message>
    <message>
        <source>Number 4</source>
        <translation>Numéro 4</translation>
    </message>
    <message>
        <source>Number 5</source>
        <translation>Numéro 5</translation>
    </message>
    <message>
        <source>Number 6</source>
        <translation>Numéro 6</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Numéro complémentaire</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Tirages</translation>
    </message>
    <message>
        <source>Targeted set rows</source>
        <translation>Lignes des ensembles ciblés</translation>
    </message>
    <message>
        <source>Guaranteed results</source>
        <translation>Résultats garantis</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Billets</translation>
    </message>
    <message>
        <source>Forecasting abilities</source>
        <translation>Capacités de prévision</translation>
    </message>
    <message>
        <source>Back-test by draw</source>
        <translation>Test rétrospectif par tirage</translation>
    </message>
    <message>
        <source>Totals by system</source>
        <translation>Totaux par système</translation>
    </message>
    <message>
        <source>Tickets and their wins</source>
        <translation>Billets et leurs gains</translation>
    </message>
    <message>
        <source>Number frequencies</source>
        <translation>Fréquences des numéros</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Tickets of the wheel</source>
        <translation>Billets de la roue</translation>
    </message>
    <message>
        <source>Cases by winners</source>
        <translation>Cas par nombre de gagnants</translation>
    </message>
    <message>
        <source>Holes</source>
        <translation>Lacunes</translation>
    </message>
    <message>
        <source>Prize table</source>
        <translation>Tableau des lots</translation>
    </message>
</context>
<context>
    <name>ds::ui::BacktestWindow</name>
    <message>
        <source>Back-test</source>
        <translation>Test rétrospectif</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Targeted Set</source>
        <translation>Ensemble ciblé</translation>
    </message>
    <message>
        <source>Tick more systems or made wheels to play them on the same draws</source>
        <translation>Cochez d&apos;autres systèmes ou roues créées pour les jouer sur les mêmes tirages</translation>
    </message>
    <message>
        <source>Co&amp;mpare with</source>
        <translation>Co&amp;mparer avec</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;xporter en CSV…</translation>
    </message>
    <message>
        <source>Save the table as a CSV file</source>
        <translation>Enregistrer le tableau dans un fichier CSV</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the table for a spreadsheet</source>
        <translation>Copier le tableau pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print the table and the totals, or save them as a PDF file (Ctrl+P)</source>
        <translation>Imprimer le tableau et les totaux, ou les enregistrer en PDF (Ctrl+P)</translation>
    </message>
    <message>
        <source>Choose a system, then Go.</source>
        <translation>Choisissez un système, puis Lancer.</translation>
    </message>
    <message>
        <source>Running net</source>
        <translation>Solde cumulé</translation>
    </message>
</context>
<context>
    <name>ds::ui::CheckWheelWindow</name>
    <message>
        <source>Check a Wheel</source>
        <translation>Vérifier une roue</translation>
    </message>
    <message>
        <source>empty: the tickets hold positions 1, 2, 3 ...</source>
        <translation>vide : les billets portent les positions 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>The lotto numbers of the set, when the tickets are written with them</source>
        <translation>Les numéros de lotto de l&apos;ensemble, quand les billets sont écrits avec eux</translation>
    </message>
    <message>
        <source>&amp;Targeted set</source>
        <translation>Ensemble &amp;ciblé</translation>
    </message>
    <message>
        <source>The numbers of the targeted set chosen in the Targeted Sets window</source>
        <translation>Les numéros de l&apos;ensemble ciblé choisi dans la fenêtre Ensembles ciblés</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>A made wheel, the Systems window&apos;s ticket file, or a wheel as text or CSV</source>
        <translation>Une roue créée, le fichier de billets de la fenêtre Systèmes, ou une roue en texte ou en CSV</translation>
    </message>
    <message>
        <source>No list opened.</source>
        <translation>Aucune liste ouverte.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>B: the positions 1 to B are keys on every ticket; the guarantee is checked for the cases holding them (empty: the keys the file names)</source>
        <translation>B : les positions 1 à B sont des clés sur chaque grille ; la garantie est vérifiée pour les cas qui les contiennent (vide : les clés que nomme le fichier)</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Clés</translation>
    </message>
    <message>
        <source>Some ticket matches at least T ... (empty: no guarantee, the matches alone)</source>
        <translation>Un billet au moins a T bons numéros ... (vide : sans garantie, les correspondances seules)</translation>
    </message>
    <message>
        <source>... whenever M winning numbers lie in the set</source>
        <translation>... chaque fois que M numéros gagnants sont dans l&apos;ensemble</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>E&amp;xport holes…</source>
        <translation>E&amp;xporter les lacunes…</translation>
    </message>
    <message>
        <source>Save the holes listed as a CSV file</source>
        <translation>Enregistrer les lacunes affichées dans un fichier CSV</translation>
    </message>
    <message>
        <source>&amp;Numbers of the set</source>
        <translation>&amp;Numéros de l&apos;ensemble</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Billets</translation>
    </message>
    <message>
        <source>if</source>
        <translation>si</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Clés</translation>
    </message>
    <message>
        <source>&amp;Guarantee</source>
        <translation>&amp;Garantie</translation>
    </message>
    <message>
        <source>Open a list of tickets</source>
        <translation>Ouvrir une liste de billets</translation>
    </message>
    <message>
        <source>Ticket lists (*.txt *.csv);;All files (*)</source>
        <translation>Listes de billets (*.txt *.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>ds::ui::Dialogs</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ds::ui::ForecastingWindow</name>
    <message>
        <source>Forecasting Abilities</source>
        <translation>Capacités de prévision</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <source>Not Selected</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>TSet Name</source>
        <translation>Nom de l&apos;ensemble</translation>
    </message>
    <message>
        <source>TSet Size</source>
        <translation>Taille de l&apos;ensemble</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source> Period</source>
        <translation> Période</translation>
    </message>
</context>
<context>
    <name>ds::ui::GameShapeBox</name>
    <message>
        <source>Main</source>
        <translation>Principaux</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Compl.</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Payout</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>One row per prize tier: main numbers matched, bonus yes or no, second-pool numbers matched, payout of one play, fixed or average</source>
        <translation>Une ligne par rang de lots : numéros principaux trouvés, complémentaire oui ou non, numéros du second bassin trouvés, gain d&apos;une mise, fixe ou moyen</translation>
    </message>
    <message>
        <source>Bonus number drawn</source>
        <translation>Numéro complémentaire tiré</translation>
    </message>
    <message>
        <source>Second pool: playing numbers</source>
        <translation>Second bassin : numéros en jeu</translation>
    </message>
    <message>
        <source>Second pool: picking numbers</source>
        <translation>Second bassin : numéros tirés</translation>
    </message>
    <message>
        <source>Prize table</source>
        <translation>Tableau des lots</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Ajouter une ligne</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Retirer la ligne</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>average</source>
        <translation>moyen</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>fixe</translation>
    </message>
</context>
<context>
    <name>ds::ui::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>ds::ui::HistoryUpdateDialog</name>
    <message>
        <source>Update results of &apos;%1&apos;</source>
        <translation>Mettre à jour les résultats de « %1 »</translation>
    </message>
    <message>
        <source>optional: a second copy to cross-check it</source>
        <translation>facultatif : une seconde copie pour la contre-vérifier</translation>
    </message>
    <message>
        <source>&amp;History (CSV) address</source>
        <translation>Adresse de l&apos;&amp;historique (CSV)</translation>
    </message>
    <message>
        <source>&amp;Cross-check address</source>
        <translation>Adresse de &amp;contre-vérification</translation>
    </message>
    <message>
        <source>History (CSV) address</source>
        <translation>Adresse de l&apos;historique (CSV)</translation>
    </message>
    <message>
        <source>Cross-check address</source>
        <translation>Adresse de contre-vérification</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <source>The draws fetched are shown for review before anything is stored.</source>
        <translation>Les tirages récupérés sont affichés pour examen avant que rien ne soit enregistré.</translation>
    </message>
    <message>
        <source>&amp;Fetch</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Fetching %1…</source>
        <translation>Récupération de %1…</translation>
    </message>
    <message>
        <source>Cancelled: nothing was stored.</source>
        <translation>Annulé : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Nothing was stored.</source>
        <translation>Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>ds::ui::LottoWindow</name>
    <message>
        <source>Create a new lotto</source>
        <translation>Créer un nouveau lotto</translation>
    </message>
    <message>
        <source>Edit the lotto&apos;s definition</source>
        <translation>Modifier la définition du lotto</translation>
    </message>
    <message>
        <source>Save the lotto&apos;s definition</source>
        <translation>Enregistrer la définition du lotto</translation>
    </message>
    <message>
        <source>Start a new draw at the bottom of the table</source>
        <translation>Commencer un nouveau tirage au bas du tableau</translation>
    </message>
    <message>
        <source>Put the draw boxes into the current row; Enter in a draw box does the same</source>
        <translation>Placer les cases du tirage dans la ligne courante; Entrée dans une case du tirage fait de même</translation>
    </message>
    <message>
        <source>Save the draws of the lotto named in Name</source>
        <translation>Enregistrer les tirages du lotto nommé dans Nom</translation>
    </message>
    <message>
        <source>Add the draws of a CSV file to the lotto named in Name, after a preview</source>
        <translation>Ajouter les tirages d&apos;un fichier CSV au lotto nommé dans Nom, après un aperçu</translation>
    </message>
    <message>
        <source>Import draws into &apos;%1&apos;</source>
        <translation>Importer des tirages dans « %1 »</translation>
    </message>
    <message>
        <source>Draw histories (*.csv *.txt);;All files (*)</source>
        <translation>Historiques de tirages (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>N of Playing Numbers</source>
        <translation>Nombre de numéros en jeu</translation>
    </message>
    <message>
        <source>N of Picking Numbers</source>
        <translation>Nombre de numéros tirés</translation>
    </message>
    <message>
        <source>Average Payout Prizes</source>
        <translation>Lots moyens versés</translation>
    </message>
    <message>
        <source>%1+bonus</source>
        <translation>%1+compl.</translation>
    </message>
    <message>
        <source>Cost of a one play</source>
        <translation>Coût d&apos;une mise</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Draws</source>
        <translation>Tirages</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>N Bonus</source>
        <translation>N compl.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Import draws…</source>
        <translation>Importer des tirages…</translation>
    </message>
    <message>
        <source>Please, type the name</source>
        <translation>Veuillez taper le nom</translation>
    </message>
    <message>
        <source>2 numbers </source>
        <translation>2 numéros </translation>
    </message>
    <message>
        <source>3 numbers</source>
        <translation>3 numéros</translation>
    </message>
    <message>
        <source>4 numbers</source>
        <translation>4 numéros</translation>
    </message>
    <message>
        <source>5 numbers</source>
        <translation>5 numéros</translation>
    </message>
    <message>
        <source>6 numbers</source>
        <translation>6 numéros</translation>
    </message>
</context>
<context>
    <name>ds::ui::MainWindow</name>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Targeted Sets</source>
        <translation>Ensembles ciblés</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>Systèmes</translation>
    </message>
    <message>
        <source>Make a Wheel</source>
        <translation>Créer une roue</translation>
    </message>
    <message>
        <source>Check a Wheel</source>
        <translation>Vérifier une roue</translation>
    </message>
    <message>
        <source>My tickets</source>
        <translation>Mes billets</translation>
    </message>
    <message>
        <source>System Performance</source>
        <translation>Rendement du système</translation>
    </message>
    <message>
        <source>Back-test</source>
        <translation>Test rétrospectif</translation>
    </message>
    <message>
        <source>Forecasting Abilities</source>
        <translation>Capacités de prévision</translation>
    </message>
    <message>
        <source>Average Profitability</source>
        <translation>Rentabilité moyenne</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Your data lives in %1</source>
        <translation>Vos données sont dans %1</translation>
    </message>
</context>
<context>
    <name>ds::ui::MakeWheelWindow</name>
    <message>
        <source>Make a Wheel</source>
        <translation>Créer une roue</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>sans limite</translation>
    </message>
    <message>
        <source>Key numbers on every ticket (fewer than T): the guarantee holds when they are among the winners</source>
        <translation>Numéros clés sur chaque grille (moins que T) : la garantie tient quand ils sont parmi les gagnants</translation>
    </message>
    <message>
        <source>A budget: the best wheel of this many tickets, with the share of the cases it covers</source>
        <translation>Un budget : la meilleure roue de ce nombre de grilles, avec la part des cas qu&apos;elle couvre</translation>
    </message>
    <message>
        <source>How many numbers the targeted set holds (%1 to %2)</source>
        <translation>Combien de numéros compte l&apos;ensemble ciblé (%1 à %2)</translation>
    </message>
    <message>
        <source>How many numbers each ticket holds (3 to 7)</source>
        <translation>Combien de numéros compte chaque billet (3 à 7)</translation>
    </message>
    <message>
        <source>Some ticket matches at least T numbers ...</source>
        <translation>Un billet au moins a T bons numéros ...</translation>
    </message>
    <message>
        <source>... whenever M of the drawn numbers lie in the set</source>
        <translation>... chaque fois que M des numéros tirés sont dans l&apos;ensemble</translation>
    </message>
    <message>
        <source>How long to search; Stop ends it sooner and keeps the best wheel</source>
        <translation>Durée de la recherche; Arrêter la termine plus tôt et garde la meilleure roue</translation>
    </message>
    <message>
        <source>The same seed and time give a comparable search again</source>
        <translation>Le même germe et la même durée redonnent une recherche comparable</translation>
    </message>
    <message>
        <source>&amp;V, numbers in the set</source>
        <translation>&amp;V, numéros de l&apos;ensemble</translation>
    </message>
    <message>
        <source>&amp;K, numbers per ticket</source>
        <translation>&amp;K, numéros par billet</translation>
    </message>
    <message>
        <source>if</source>
        <translation>si</translation>
    </message>
    <message>
        <source>&amp;Guarantee T if M</source>
        <translation>&amp;Garantie T si M</translation>
    </message>
    <message>
        <source>Se&amp;conds</source>
        <translation>Se&amp;condes</translation>
    </message>
    <message>
        <source>S&amp;eed</source>
        <translation>&amp;Germe</translation>
    </message>
    <message>
        <source>&amp;Keys, on every ticket</source>
        <translation>&amp;Clés, sur chaque billet</translation>
    </message>
    <message>
        <source>T&amp;ickets, a budget</source>
        <translation>B&amp;illets, un budget</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>End the search and keep the best complete wheel</source>
        <translation>Terminer la recherche et garder la meilleure roue complète</translation>
    </message>
    <message>
        <source>The Systems window lists the wheel under this name</source>
        <translation>La fenêtre Systèmes affiche la roue sous ce nom</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the wheel in the Wheels folder; the Systems window lists it</source>
        <translation>Enregistrer la roue dans le dossier des roues; la fenêtre Systèmes l&apos;affiche</translation>
    </message>
</context>
<context>
    <name>ds::ui::PairHeatMap</name>
    <message>
        <source>Pairs: how often each came</source>
        <translation>Paires : fréquence de chacune</translation>
    </message>
</context>
<context>
    <name>ds::ui::PerformanceWindow</name>
    <message>
        <source>System Performance</source>
        <translation>Rendement du système</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>TSet</source>
        <translation>Ensemble</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Compl.</translation>
    </message>
    <message>
        <source>S1</source>
        <translation>S1</translation>
    </message>
    <message>
        <source>S2</source>
        <translation>S2</translation>
    </message>
    <message>
        <source>Prizes</source>
        <translation>Lots</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Back-test…</source>
        <translation>Test &amp;rétrospectif…</translation>
    </message>
    <message>
        <source>The system over a period of draws instead of one</source>
        <translation>Le système sur une période de tirages plutôt qu&apos;un seul</translation>
    </message>
</context>
<context>
    <name>ds::ui::ProfitabilityWindow</name>
    <message>
        <source>Average Profitability</source>
        <translation>Rentabilité moyenne</translation>
    </message>
    <message>
        <source>Not Selected</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Forecasting Abilities</source>
        <translation>Capacités de prévision</translation>
    </message>
    <message>
        <source>Average Prizes</source>
        <translation>Lots moyens</translation>
    </message>
    <message>
        <source>&amp;Confidence Level %</source>
        <translation>&amp;Niveau de confiance %</translation>
    </message>
    <message>
        <source>Average Profitability per Ticket</source>
        <translation>Rentabilité moyenne par billet</translation>
    </message>
    <message>
        <source>Times to play</source>
        <translation>Nombre de parties</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
</context>
<context>
    <name>ds::ui::StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Main numbers: draws holding each</source>
        <translation>Numéros principaux : tirages qui contiennent chacun</translation>
    </message>
    <message>
        <source>Drawn</source>
        <translation>Tirés</translation>
    </message>
    <message>
        <source>Second pool: draws holding each</source>
        <translation>Second tirage : tirages qui contiennent chacun</translation>
    </message>
    <message>
        <source>&amp;Numbers</source>
        <translation>&amp;Numéros</translation>
    </message>
    <message>
        <source>Most often</source>
        <translation>Les plus fréquents</translation>
    </message>
    <message>
        <source>Least often</source>
        <translation>Les moins fréquents</translation>
    </message>
    <message>
        <source>Point at a cell, or use the arrow keys, to read its pair.</source>
        <translation>Pointez une cellule, ou utilisez les flèches, pour lire sa paire.</translation>
    </message>
    <message>
        <source>&amp;Pairs</source>
        <translation>&amp;Paires</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Sommes</translation>
    </message>
    <message>
        <source>Odd numbers</source>
        <translation>Numéros impairs</translation>
    </message>
    <message>
        <source>Low numbers</source>
        <translation>Petits numéros</translation>
    </message>
    <message>
        <source>Longest runs</source>
        <translation>Plus longues suites</translation>
    </message>
    <message>
        <source>Repeats from the previous draw</source>
        <translation>Répétitions du tirage précédent</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Répartition</translation>
    </message>
    <message>
        <source>Share of the period&apos;s draws beside chance</source>
        <translation>Part des tirages de la période à côté du hasard</translation>
    </message>
    <message>
        <source>Draws of the period</source>
        <translation>Tirages de la période</translation>
    </message>
    <message>
        <source>All combinations</source>
        <translation>Toutes les combinaisons</translation>
    </message>
    <message>
        <source>&amp;Spreads</source>
        <translation>&amp;Répartitions</translation>
    </message>
    <message>
        <source>sum:100-200
odd:2-4
exclude:13
(Enter computes; Shift+Enter starts a new line)</source>
        <translation>sum:100-200
odd:2-4
exclude:13
(Entrée calcule; Maj+Entrée commence une nouvelle ligne)</translation>
    </message>
    <message>
        <source>Filt&amp;ers (one per line, or several between blanks)</source>
        <translation>Filt&amp;res (un par ligne, ou plusieurs séparés par des blancs)</translation>
    </message>
    <message>
        <source>Pass rates</source>
        <translation>Taux de passage</translation>
    </message>
    <message>
        <source>F&amp;ilters</source>
        <translation>F&amp;iltres</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;xporter en CSV…</translation>
    </message>
    <message>
        <source>Save the table of this tab as a CSV file</source>
        <translation>Enregistrer le tableau de cet onglet dans un fichier CSV</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the table of this tab for a spreadsheet</source>
        <translation>Copier le tableau de cet onglet pour un tableur</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>Imp&amp;rimer…</translation>
    </message>
    <message>
        <source>Print this tab, or save it as a PDF file (Ctrl+P)</source>
        <translation>Imprimer cet onglet, ou l&apos;enregistrer en PDF (Ctrl+P)</translation>
    </message>
    <message>
        <source>Each pair of the main numbers, darker the more often it came; chance gives each %1 draws of the period.</source>
        <translation>Chaque paire de numéros principaux, plus foncée quand elle est sortie plus souvent; le hasard donne à chacune %1 tirages de la période.</translation>
    </message>
    <message>
        <source>Second pool, %1 to %2: draws holding each</source>
        <translation>Second tirage, %1 à %2 : tirages qui contiennent chacun</translation>
    </message>
    <message>
        <source>Main numbers, %1 to %2: draws holding each</source>
        <translation>Numéros principaux, %1 à %2 : tirages qui contiennent chacun</translation>
    </message>
</context>
<context>
    <name>ds::ui::SystemWindow</name>
    <message>
        <source>Print the tickets, or save them as a PDF file (Ctrl+P)</source>
        <translation>Imprimer les billets, ou les enregistrer en PDF (Ctrl+P)</translation>
    </message>
    <message>
        <source>Save the tickets as a CSV file</source>
        <translation>Enregistrer les billets dans un fichier CSV</translation>
    </message>
    <message>
        <source>Copy the tickets for a spreadsheet</source>
        <translation>Copier les billets pour un tableur</translation>
    </message>
    <message>
        <source>&amp;Make a Wheel…</source>
        <translation>Créer une &amp;roue…</translation>
    </message>
    <message>
        <source>Make a wheel with the guarantee you choose; saved wheels are listed after the systems</source>
        <translation>Créer une roue avec la garantie de votre choix; les roues enregistrées suivent les systèmes dans la liste</translation>
    </message>
    <message>
        <source>Chec&amp;k a Wheel…</source>
        <translation>&amp;Vérifier une roue…</translation>
    </message>
    <message>
        <source>Check any list of tickets: worst and best matches, holes of a guarantee</source>
        <translation>Vérifier une liste de billets : pires et meilleures correspondances, lacunes d&apos;une garantie</translation>
    </message>
    <message>
        <source>&amp;Filters…</source>
        <translation>&amp;Filtres…</translation>
    </message>
    <message>
        <source>Renumber the tickets over the set so that the most pass your filters</source>
        <translation>Renuméroter les grilles sur l&apos;ensemble pour que le plus grand nombre passe vos filtres</translation>
    </message>
    <message>
        <source>Second-pool numbers</source>
        <translation>Numéros du second tirage</translation>
    </message>
    <message>
        <source>The second-pool numbers to play, with blanks between them: each ticket is played with each of them (with each pair of them when two are drawn)</source>
        <translation>Les numéros du second tirage à jouer, séparés par des blancs : chaque billet est joué avec chacun d’eux (avec chaque paire d’entre eux quand deux sont tirés)</translation>
    </message>
    <message>
        <source>Second-pool numbers (1 to %1)</source>
        <translation>Numéros du second tirage (1 à %1)</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>Systèmes</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>Targeted Set</source>
        <translation>Ensemble ciblé</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Select </source>
        <translation>Choisir </translation>
    </message>
    <message>
        <source>Guaranteed Results</source>
        <translation>Résultats garantis</translation>
    </message>
    <message>
        <source>Cost of the system</source>
        <translation>Coût du système</translation>
    </message>
    <message>
        <source>Print System</source>
        <translation>Imprimer le système</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;xporter en CSV…</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Number of winning</source>
        <translation>Numéros gagnants</translation>
    </message>
    <message>
        <source>balls in the targeted set</source>
        <translation>dans l&apos;ensemble ciblé</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>of tickets</source>
        <translation>de billets</translation>
    </message>
    <message>
        <source>with</source>
        <translation>avec</translation>
    </message>
    <message>
        <source>winning</source>
        <translation>numéros</translation>
    </message>
    <message>
        <source>balls=</source>
        <translation>gagnants=</translation>
    </message>
</context>
<context>
    <name>ds::ui::TicketsWindow</name>
    <message>
        <source>My tickets</source>
        <translation>Mes billets</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>Lotto</source>
        <translation>Lotto</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Participations</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>Members paid and won</source>
        <translation>Payé et gagné par membre</translation>
    </message>
    <message>
        <source>Running net</source>
        <translation>Solde cumulé</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Add an entry</source>
        <translation>Ajouter une participation</translation>
    </message>
    <message>
        <source>That draw</source>
        <translation>Ce tirage</translation>
    </message>
    <message>
        <source>The next draws</source>
        <translation>Les tirages suivants</translation>
    </message>
    <message>
        <source>Every draw up to</source>
        <translation>Chaque tirage jusqu&apos;au</translation>
    </message>
    <message>
        <source>the lotto&apos;s cost</source>
        <translation>le prix du lotto</translation>
    </message>
    <message>
        <source>One play a line: 3 9 17 25 40 41 (a second pool after &quot; + &quot;)</source>
        <translation>Un jeu par ligne : 3 9 17 25 40 41 (un second tirage après « + »)</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>For</source>
        <translation>Pour</translation>
    </message>
    <message>
        <source>Dra&amp;ws</source>
        <translation>Ti&amp;rages</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <source>P&amp;aid</source>
        <translation>P&amp;ayé</translation>
    </message>
    <message>
        <source>Pla&amp;ys</source>
        <translation>Je&amp;ux</translation>
    </message>
    <message>
        <source>From the S&amp;ystems window</source>
        <translation>De la fenêtre S&amp;ystèmes</translation>
    </message>
    <message>
        <source>The tickets of the system or wheel chosen in the Systems window</source>
        <translation>Les billets du système ou de la roue choisis dans la fenêtre Systèmes</translation>
    </message>
    <message>
        <source>From a f&amp;ile…</source>
        <translation>D&apos;un f&amp;ichier…</translation>
    </message>
    <message>
        <source>A ticket file or a CSV of tickets, one a line</source>
        <translation>Un fichier de billets ou un CSV de billets, un par ligne</translation>
    </message>
    <message>
        <source>&amp;Add entry</source>
        <translation>&amp;Ajouter la participation</translation>
    </message>
    <message>
        <source>Equal shares</source>
        <translation>Parts égales</translation>
    </message>
    <message>
        <source>By amount paid</source>
        <translation>Selon le montant payé</translation>
    </message>
    <message>
        <source>&amp;Member</source>
        <translation>&amp;Membre</translation>
    </message>
    <message>
        <source>Amount pai&amp;d</source>
        <translation>Montant pa&amp;yé</translation>
    </message>
    <message>
        <source>Add &amp;member</source>
        <translation>Ajouter un &amp;membre</translation>
    </message>
    <message>
        <source>Remove member</source>
        <translation>Retirer le membre</translation>
    </message>
    <message>
        <source>Members of the entry</source>
        <translation>Membres de la participation</translation>
    </message>
    <message>
        <source>&amp;Remove entry…</source>
        <translation>&amp;Retirer la participation…</translation>
    </message>
    <message>
        <source>&amp;Update results…</source>
        <translation>Mettre à jo&amp;ur les résultats…</translation>
    </message>
    <message>
        <source>Fetch the lotto&apos;s published history and add its new draws</source>
        <translation>Récupérer l&apos;historique publié du lotto et ajouter ses nouveaux tirages</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;xporter en CSV…</translation>
    </message>
    <message>
        <source>Save the plays and their prizes as a CSV file</source>
        <translation>Enregistrer les jeux et leurs lots dans un fichier CSV</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print the totals and the tables, or save them as a PDF file (Ctrl+P)</source>
        <translation>Imprimer les totaux et les tableaux, ou les enregistrer en PDF (Ctrl+P)</translation>
    </message>
    <message>
        <source>Plays from a file</source>
        <translation>Jeux d&apos;un fichier</translation>
    </message>
    <message>
        <source>Tickets (*.txt *.csv);;All files (*)</source>
        <translation>Billets (*.txt *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>ds::ui::TsetGeneratorWindow</name>
    <message>
        <source>Select Draws</source>
        <translation>Choisir les tirages</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>With Lowest Frequencies</source>
        <translation>Aux fréquences les plus basses</translation>
    </message>
    <message>
        <source>With Lowest Positive Frequencies</source>
        <translation>Aux plus basses fréquences non nulles</translation>
    </message>
    <message>
        <source>With Highest Frequencies</source>
        <translation>Aux fréquences les plus hautes</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Propose a set for the current row of the Targeted Sets table (Enter or Ctrl+Return)</source>
        <translation>Proposer un ensemble pour la ligne courante du tableau des ensembles ciblés (Entrée ou Ctrl+Retour)</translation>
    </message>
    <message>
        <source>Generator of Targeted Sets</source>
        <translation>Générateur d&apos;ensembles ciblés</translation>
    </message>
</context>
<context>
    <name>ds::ui::TsetsWindow</name>
    <message>
        <source>How many numbers the set has</source>
        <translation>Combien de numéros compte l&apos;ensemble</translation>
    </message>
    <message>
        <source>The targeted sets of the chosen size</source>
        <translation>Les ensembles ciblés de la taille choisie</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Accept Date</source>
        <translation>Accepter la date</translation>
    </message>
    <message>
        <source>Accept Number</source>
        <translation>Accepter le numéro</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>TSets Generator</source>
        <translation>Générateur d&apos;ensembles</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Targeted Sets</source>
        <translation>Ensembles ciblés</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ds::ui::WheelFilterDialog</name>
    <message>
        <source>Filters on the System</source>
        <translation>Filtres sur le système</translation>
    </message>
    <message>
        <source>sum:100-180 odd:2-4 low:2-4 run:1-2 decade:1-3 new include:7 exclude:13</source>
        <translation>sum:100-180 odd:2-4 low:2-4 run:1-2 decade:1-3 new include:7 exclude:13</translation>
    </message>
    <message>
        <source>The filters every ticket is to pass, separated by blanks</source>
        <translation>Les filtres que chaque billet doit passer, séparés par des blancs</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Chercher</translation>
    </message>
    <message>
        <source>Search the numbering of the set under which the most tickets pass</source>
        <translation>Chercher la numérotation de l&apos;ensemble sous laquelle le plus de billets passent</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the passing tickets for a spreadsheet</source>
        <translation>Copier les billets retenus pour un tableur</translation>
    </message>
    <message>
        <source>E&amp;xport CSV…</source>
        <translation>E&amp;xporter en CSV…</translation>
    </message>
    <message>
        <source>Save the passing tickets as a CSV file</source>
        <translation>Enregistrer les billets retenus dans un fichier CSV</translation>
    </message>
    <message>
        <source>Save as a made &amp;wheel</source>
        <translation>Enregistrer comme &amp;roue créée</translation>
    </message>
    <message>
        <source>Save the passing tickets in the Wheels folder: the Systems window lists them</source>
        <translation>Enregistrer les billets retenus dans le dossier des roues : la fenêtre Systèmes les affiche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation>Billets</translation>
    </message>
    <message>
        <source>&amp;Filters</source>
        <translation>&amp;Filtres</translation>
    </message>
    <message>
        <source>Play only these:</source>
        <translation>Ne jouer que ceux-ci :</translation>
    </message>
</context>
</TS>
